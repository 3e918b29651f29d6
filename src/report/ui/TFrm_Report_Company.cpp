// The report window's company block: a rich-text box with a foldable
// formatting toolbar (font, size, style, alignment, colour, load and save).
#include "TFrm_Report.h"

#include "ReportTexts.h"
#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "app/ui/UserPrompts.h"
#include "report/ReportFields.h"
#include "report/RichText.h"
#include "settings/LanguageTables.h"
#include "settings/SafeFileWrite.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>

namespace {

constexpr QRect kCompanyBox(344, 56, 409, 123);
constexpr int kToolbarWidth = 400;
constexpr int kToolbarHeight = 54;
constexpr int kFoldedHeight = 24;
constexpr QPoint kArrowPos(152, 1);
constexpr int kCaptionTop = 15;
constexpr int kControlTop = 28;
const QColor kStartSwatch(0, 255, 0);

const QString kRtfFilter = QStringLiteral("Rich Text File (RTF) (*.rtf)");

QToolButton *formatButton(QWidget *parent, const char *name, int x)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, kControlTop, 22, 22);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel *caption(QWidget *parent, const char *name, int x, int width)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(x, kCaptionTop, width, 12);
    label->setFont(vorn::ui::tahomaPt(7, true));
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

QLabel *arrow(QWidget *parent, const char *name, const QString &art)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    const QSize size = vorn::art::intendedSize(art);
    label->setPixmap(vorn::art::pixmap(art, size));
    label->setGeometry(QRect(kArrowPos, size));
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// The toolbar's background: a dark band the white captions stand out on.
QPixmap toolbarBackground()
{
    QImage image(kToolbarWidth, kToolbarHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const double t = double(y) / (image.height() - 1);
        const QColor row(int(1 + 20 * t), int(90 - 30 * t), int(119 - 40 * t));
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, row.rgb());
    }
    return QPixmap::fromImage(image);
}

} // namespace

void TFrm_Report::buildCompanyEditor(QWidget *body)
{
    // Created first, the toolbar lies under the text box: folded, only its
    // strip above the box shows.
    Pan_felugro_ceg = new QWidget(body);
    Pan_felugro_ceg->setObjectName(QStringLiteral("Pan_felugro_ceg"));
    Pan_felugro_ceg->resize(kToolbarWidth, kToolbarHeight);
    buildCompanyToolbar();

    Mem_cegparams = new QTextEdit(body);
    Mem_cegparams->setObjectName(QStringLiteral("Mem_cegparams"));
    Mem_cegparams->setGeometry(kCompanyBox);
    Mem_cegparams->setAcceptRichText(true);
    // The box's own font is the block's starting font: the printed block and
    // vornctl's start from the same one.
    Mem_cegparams->setFont(vorn::report::companyBlockFont());
    // The selection stays visible while the toolbar has the focus.
    QPalette palette = Mem_cegparams->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    Mem_cegparams->setPalette(palette);
}

void TFrm_Report::buildCompanyToolbar()
{
    QWidget *bar = Pan_felugro_ceg;
    Img_hatter = new QLabel(bar);
    Img_hatter->setObjectName(QStringLiteral("Img_hatter"));
    Img_hatter->setGeometry(0, 0, kToolbarWidth, kToolbarHeight);
    Img_hatter->setPixmap(toolbarBackground());

    Lbl_Betu = caption(bar, "Lbl_Betu", 4, 120);
    Lbl_Meret = caption(bar, "Lbl_Meret", 128, 46);
    Lbl_Stilus = caption(bar, "Lbl_Stilus", 178, 68);
    Lbl_Igazit = caption(bar, "Lbl_Igazit", 248, 70);
    Lbl_Szin = caption(bar, "Lbl_Szin", 322, 30);
    Lbl_File = caption(bar, "Lbl_File", 352, 46);
    buildCompanyControls(bar);
    Img_Up = arrow(bar, "Img_Up", QStringLiteral("arrow_up"));
    Img_Down = arrow(bar, "Img_Down", QStringLiteral("arrow_down"));
}

void TFrm_Report::buildCompanyControls(QWidget *bar)
{
    Cmb_Font = new QComboBox(bar);
    Cmb_Font->setObjectName(QStringLiteral("Cmb_Font"));
    Cmb_Font->setGeometry(4, kControlTop, 120, 22);
    Spn_Size = new QSpinBox(bar);
    Spn_Size->setObjectName(QStringLiteral("Spn_Size"));
    Spn_Size->setGeometry(128, kControlTop, 46, 22);
    Spn_Size->setRange(0, 100);

    Btn_Bold = formatButton(bar, "Btn_Bold", 178);
    Btn_Bold->setText(QStringLiteral("B"));
    Btn_Italic = formatButton(bar, "Btn_Italic", 200);
    Btn_Italic->setText(QStringLiteral("I"));
    Btn_Under = formatButton(bar, "Btn_Under", 222);
    Btn_Under->setText(QStringLiteral("U"));
    for (QToolButton *style : {Btn_Bold, Btn_Italic, Btn_Under}) {
        QFont font = vorn::ui::tahomaPt(9, style == Btn_Bold);
        font.setItalic(style == Btn_Italic);
        font.setUnderline(style == Btn_Under);
        style->setFont(font);
    }
    Btn_Left = formatButton(bar, "Btn_Left", 248);
    Btn_Center = formatButton(bar, "Btn_Center", 270);
    Btn_Right = formatButton(bar, "Btn_Right", 292);
    Btn_Left->setIcon(vorn::art::icon(QStringLiteral("rp_align_left")));
    Btn_Center->setIcon(vorn::art::icon(QStringLiteral("rp_align_center")));
    Btn_Right->setIcon(vorn::art::icon(QStringLiteral("rp_align_right")));
    for (QToolButton *alignment : {Btn_Left, Btn_Center, Btn_Right})
        alignment->setAutoExclusive(true);

    Pan_Szin = new QFrame(bar);
    Pan_Szin->setObjectName(QStringLiteral("Pan_Szin"));
    Pan_Szin->setGeometry(322, kControlTop + 2, 24, 18);
    Pan_Szin->setFrameShape(QFrame::Box);
    Pan_Szin->setAutoFillBackground(true);
    Pan_Szin->setCursor(Qt::PointingHandCursor);

    Btn_Load = formatButton(bar, "Btn_Load", 352);
    Btn_save = formatButton(bar, "Btn_save", 376);
    Btn_Load->setIcon(vorn::art::icon(QStringLiteral("menu_open")));
    Btn_save->setIcon(vorn::art::icon(QStringLiteral("menu_save")));
    for (QToolButton *file : {Btn_Load, Btn_save})
        file->setCheckable(false);
}

void TFrm_Report::prepareCompanyEditor()
{
    Mem_cegparams->document()->setDefaultFont(vorn::report::companyBlockFont());
    Cmb_Font->addItems(QFontDatabase::families());
    Cmb_Font->setCurrentIndex(Cmb_Font->findText(Mem_cegparams->document()->defaultFont().family()));
    Pan_felugro_ceg->setGeometry(kCompanyBox.left() + 5, kCompanyBox.top() - 16, kToolbarWidth,
                                 kToolbarHeight);
    Img_Up->show();
    Img_Down->hide();
    QPalette swatch = Pan_Szin->palette();
    swatch.setColor(QPalette::Window, kStartSwatch);
    Pan_Szin->setPalette(swatch);

    for (QWidget *clickable : std::initializer_list<QWidget *>{Img_Up, Img_Down, Pan_Szin})
        clickable->installEventFilter(this);
    connect(Cmb_Font, &QComboBox::textActivated, this, &TFrm_Report::Cmb_FontChange);
    connect(Spn_Size, &QSpinBox::valueChanged, this, &TFrm_Report::Spn_SizeChange);
    connect(Btn_Bold, &QToolButton::clicked, this, &TFrm_Report::Btn_BoldClick);
    connect(Btn_Italic, &QToolButton::clicked, this, &TFrm_Report::Btn_ItalicClick);
    connect(Btn_Under, &QToolButton::clicked, this, &TFrm_Report::Btn_UnderClick);
    connect(Btn_Left, &QToolButton::clicked, this, &TFrm_Report::Btn_LeftClick);
    connect(Btn_Center, &QToolButton::clicked, this, &TFrm_Report::Btn_CenterClick);
    connect(Btn_Right, &QToolButton::clicked, this, &TFrm_Report::Btn_RightClick);
    connect(Btn_Load, &QToolButton::clicked, this, &TFrm_Report::Btn_LoadClick);
    connect(Btn_save, &QToolButton::clicked, this, &TFrm_Report::Btn_saveClick);
    connect(Mem_cegparams, &QTextEdit::cursorPositionChanged, this,
            &TFrm_Report::Mem_cegparamsSelectionChange);
    connect(Mem_cegparams, &QTextEdit::currentCharFormatChanged, this,
            &TFrm_Report::Mem_cegparamsSelectionChange);
}

// ---- folding ------------------------------------------------------------------

void TFrm_Report::Img_UpClick()
{
    Img_Up->hide();
    Img_Down->show();
    Pan_felugro_ceg->setGeometry(Pan_felugro_ceg->x(), kCompanyBox.top() - kToolbarHeight,
                                 kToolbarWidth, kToolbarHeight);
}

void TFrm_Report::Img_DownClick()
{
    Img_Down->hide();
    Img_Up->show();
    Pan_felugro_ceg->setGeometry(Pan_felugro_ceg->x(), kCompanyBox.top() - 17, kToolbarWidth,
                                 kFoldedHeight);
}

// ---- formatting of the selection ------------------------------------------------

void TFrm_Report::mergeCompanyFormat(const QTextCharFormat &format)
{
    Mem_cegparams->mergeCurrentCharFormat(format);
    Mem_cegparamsSelectionChange();
}

void TFrm_Report::Cmb_FontChange()
{
    QTextCharFormat format;
    format.setFontFamilies({Cmb_Font->currentText()});
    mergeCompanyFormat(format);
}

void TFrm_Report::Spn_SizeChange()
{
    if (m_syncingToolbar || Spn_Size->value() <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(Spn_Size->value());
    mergeCompanyFormat(format);
}

void TFrm_Report::Btn_BoldClick()
{
    QTextCharFormat format;
    const bool bold = Mem_cegparams->currentCharFormat().fontWeight() > QFont::Normal;
    format.setFontWeight(bold ? QFont::Normal : QFont::Bold);
    mergeCompanyFormat(format);
}

void TFrm_Report::Btn_ItalicClick()
{
    QTextCharFormat format;
    format.setFontItalic(!Mem_cegparams->currentCharFormat().fontItalic());
    mergeCompanyFormat(format);
}

void TFrm_Report::Btn_UnderClick()
{
    QTextCharFormat format;
    format.setFontUnderline(!Mem_cegparams->currentCharFormat().fontUnderline());
    mergeCompanyFormat(format);
}

void TFrm_Report::setCompanyAlignment(Qt::Alignment alignment)
{
    Mem_cegparams->setAlignment(alignment);
    Mem_cegparamsSelectionChange();
}

void TFrm_Report::Btn_LeftClick()
{
    setCompanyAlignment(Qt::AlignLeft);
}

void TFrm_Report::Btn_CenterClick()
{
    setCompanyAlignment(Qt::AlignHCenter);
}

void TFrm_Report::Btn_RightClick()
{
    setCompanyAlignment(Qt::AlignRight);
}

void TFrm_Report::Pan_SzinClick()
{
    const std::optional<QColor> chosen =
        vorn::prompts::pickColor(this, Pan_Szin->palette().color(QPalette::Window));
    if (!chosen)
        return;
    QPalette swatch = Pan_Szin->palette();
    swatch.setColor(QPalette::Window, *chosen);
    Pan_Szin->setPalette(swatch);
    QTextCharFormat format;
    format.setForeground(*chosen);
    mergeCompanyFormat(format);
}

void TFrm_Report::Mem_cegparamsSelectionChange()
{
    m_syncingToolbar = true;
    const QTextCharFormat format = Mem_cegparams->currentCharFormat();
    const QFont font = format.font();
    Cmb_Font->setCurrentIndex(Cmb_Font->findText(font.family()));
    Spn_Size->setValue(qRound(font.pointSizeF() > 0 ? font.pointSizeF() : 0));
    const Qt::Alignment alignment = Mem_cegparams->alignment();
    if (alignment & Qt::AlignHCenter)
        Btn_Center->setChecked(true);
    else if (alignment & Qt::AlignRight)
        Btn_Right->setChecked(true);
    else
        Btn_Left->setChecked(true);
    if (format.hasProperty(QTextFormat::ForegroundBrush)) {
        QPalette swatch = Pan_Szin->palette();
        swatch.setColor(QPalette::Window, format.foreground().color());
        Pan_Szin->setPalette(swatch);
    }
    Btn_Italic->setChecked(font.italic());
    Btn_Bold->setChecked(font.bold());
    Btn_Under->setChecked(font.underline());
    m_syncingToolbar = false;
}

// ---- load and save ------------------------------------------------------------

void TFrm_Report::Btn_LoadClick()
{
    vorn::prompts::FileRequest request;
    request.filter = kRtfFilter;
    request.directory = m_files.folder();
    const QString path = vorn::prompts::openFileName(this, request);
    if (path.isEmpty())
        return;
    QFile file(path);
    QByteArray bytes;
    QString reason;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    else
        reason = file.errorString();
    // Checked first, so that a file that is no rich text keeps the block as it is.
    QTextDocument check;
    if (reason.isEmpty() && !vorn::report::readRtf(bytes, check, &reason) && reason.isEmpty())
        reason = QStringLiteral("not rich text");
    if (!reason.isEmpty()) {
        reportFailure(m_host.texts->Err_List(vorn::report::kErrFileUnreadable) + u'\n'
                      + QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason);
        return;
    }
    vorn::report::readRtf(bytes, *Mem_cegparams->document());
}

void TFrm_Report::Btn_saveClick()
{
    vorn::prompts::FileRequest request;
    request.filter = kRtfFilter;
    request.directory = m_files.folder();
    const QString path = vorn::prompts::saveFileName(this, request);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path)
        && m_host.Sajat_Dlg(m_host.texts->Text_List(21), dtQuestion) == drNo)
        return;
    const vorn::FileWriteResult written =
        vorn::writeFileSafely(path, vorn::report::writeRtf(*Mem_cegparams->document()));
    if (!written.ok)
        reportFailure(m_host.texts->Err_List(2) + u'\n' + written.errorText);
}
