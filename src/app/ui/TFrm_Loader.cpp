// The splash window and the start-up initialisation it runs.
#include "TFrm_Loader.h"

#include "AppFonts.h"
#include "AppVersion.h"
#include "TFrm_Main.h"
#include "app/Artwork.h"
#include "app/SingleInstance.h"
#include "settings/SettingsFile.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <exception>

namespace {

constexpr QSize kSplashSize(497, 250);
constexpr int kSplashMs = 5000;

QLabel *splashLabel(QWidget *parent, const QRect &geometry, const QFont &font,
                    const QString &color)
{
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(color));
    return label;
}

} // namespace

TFrm_Loader::TFrm_Loader(TFrm_Main &main)
    : QDialog(&main, Qt::Dialog | Qt::FramelessWindowHint), m_main(main)
{
    setObjectName(QStringLiteral("Frm_Loader"));
    setFixedSize(kSplashSize);

    Img_Background = new QLabel(this);
    Img_Background->setGeometry(QRect(QPoint(0, 0), kSplashSize));
    Img_Background->setPixmap(vorn::art::pixmap(QStringLiteral("splash_bg"), kSplashSize));

    Lbl_Label = splashLabel(this, QRect(28, 128, 441, 30), vorn::ui::tahomaPx(20, true),
                            QStringLiteral("#ffffff"));
    Lbl_Version = splashLabel(this, QRect(28, 160, 441, 20), vorn::ui::tahomaPx(13, true),
                              QStringLiteral("#cfe8f0"));
    Lbl_Loading = splashLabel(this, QRect(28, 214, 441, 20), vorn::ui::tahomaPx(12),
                              QStringLiteral("#cfe8f0"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(kSplashMs);
    connect(Timer1, &QTimer::timeout, this, &TFrm_Loader::Timer1Timer);
    Timer1->start();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrm_Loader::applyTexts(const vorn::TextTables &texts)
{
    Lbl_Version->setText(texts.Text_List(164) + u' ' + QLatin1String(vorn::kVersionText));
    Lbl_Label->setText(texts.Text_List(0) + u' ' + texts.Text_List(1));
    Lbl_Loading->setText(texts.Text_List(165) + u' ' + texts.Text_List(166));
}

void TFrm_Loader::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Inicializalas();
}

void TFrm_Loader::Inicializalas()
{
    m_main.setBaseCaption(SingleInstance::kInstanceMarker.toString());
    m_main.Set_Language();
    // Windows that keep their own texts (the settings dialog) follow the
    // language in use.
    emit m_main.languageChanged();
    readSettings();
}

void TFrm_Loader::readSettings()
{
    try {
        const vorn::StartupSettings settings = vorn::SettingsFile(vorn::programFolder()).readStartup();
        m_main.setColors(settings);
        // An unreadable number in the settings ends the initialisation: the
        // colours read before it stay in effect and the splash goes at once.
        if (settings.stoppedEarly)
            closeSoon();
    } catch (const std::exception &) {
        closeSoon();
    }
}

void TFrm_Loader::closeSoon()
{
    // The modal loop has not started yet while the splash is being shown.
    QMetaObject::invokeMethod(this, &QDialog::close, Qt::QueuedConnection);
}

void TFrm_Loader::Timer1Timer()
{
    if (!isVisible())
        return;
    Timer1->stop();
    close();
}
