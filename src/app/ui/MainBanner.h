// The banner across the top of the main window: artwork, program logo and
// title, the toolbar and the clock.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QWidget>

class QFrame;
class QLabel;
class QToolButton;

// The clock text: the locale's short date, a blank and its long time
// (without the time zone that Qt's long format adds).
QString clockText(const QLocale &locale, const QDateTime &moment);

class MainBanner : public QWidget {
    Q_OBJECT
public:
    explicit MainBanner(QWidget *parent);

    static constexpr int kHeight = 93;

    QLabel *Image2 = nullptr;      // banner picture over the left 644 pixels
    QLabel *Image3 = nullptr;      // continuation over the rest
    QLabel *Img_AppLogo = nullptr;
    QLabel *Image5 = nullptr;      // program title artwork
    QLabel *Lbl_Name = nullptr;
    QLabel *Lbl_Time = nullptr;
    QToolButton *Btn_Cert = nullptr, *Btn_PenDrive = nullptr, *Btn_Open = nullptr,
                *Btn_Save = nullptr, *Btn_Close = nullptr, *Btn_Help = nullptr,
                *Btn_Exit = nullptr;
    QToolButton *Btn_Compare = nullptr; // after Btn_Close
    QFrame *Panel2 = nullptr;      // separator between the file and program buttons

    // The title text below the artwork; the toolbar moves right when needed.
    void setName(const QString &name);
    // The clock text; the clock stays at the right edge.
    void setTime(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *toolButton(const QString &glyph);
    void placeToolbar();
    void placeClock();
    void renderStretchedPictures();
};
