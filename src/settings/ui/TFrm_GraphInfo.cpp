// The measurement info dialog: list columns, the four boxes, the verdict style.
#include "TFrm_GraphInfo.h"
#include "ui_TFrm_GraphInfo.h"

#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "exchange/ui/TLxListViewSearch.h"
#include "settings/LanguageTables.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The list's columns: built-in caption, width, and the text that replaces the
// caption (-1: the caption stays).
struct ListColumn {
    const char16_t *caption;
    int width;         // -1: the header's default width
    int textIndex;
};
constexpr ListColumn kColumns[] = {
    {u"Caption", 0, -1},
    {u"Ciklus", -1, 73},
    {u"Állapot", 90, 74},
    {u"Idő", 150, 69},
    {u"Töltésmennyiség", 120, 75},
    {u"Hő hiba", 90, 76},
};
// Column 0 holds the row captions, which this list does not use; column 5
// (thermal fault) is never filled. Both stay hidden.
constexpr int kHiddenColumns[] = {0, 5};

// The verdict line stands out: this many points larger than the box text.
constexpr qreal kVerdictGrowth = 5;
const QColor kPassColor(0x00, 0x80, 0x00);
const QColor kFailColor(0xFF, 0x00, 0x00);

QTextCharFormat plainFormat(const QTextEdit *box)
{
    QTextCharFormat format;
    format.setFontFamilies(box->font().families());
    format.setFontPointSize(QFontInfo(box->font()).pointSizeF());
    format.setFontWeight(QFont::Normal);
    format.setForeground(Qt::black);
    return format;
}

// Appends one line. A cleared box has one empty block, which the first line
// fills; the box's "filled" property tells that apart from an empty first line.
void appendLine(QTextEdit *box, const QString &text, const QTextCharFormat &format)
{
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    if (box->property("filled").toBool())
        cursor.insertBlock(QTextBlockFormat(), format);
    else
        cursor.setBlockCharFormat(format);
    cursor.insertText(text, format);
    box->setProperty("filled", true);
}

void clearBox(QTextEdit *box)
{
    box->clear();
    box->setProperty("filled", false);
}

void setLines(QPlainTextEdit *box, const QStringList &lines)
{
    box->setPlainText(lines.join(u'\n'));
}

// Width of the widest line of a box, with its margins and frame.
int neededWidth(const QAbstractScrollArea *box, const QTextDocument *document)
{
    qreal widest = 0;
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        qreal line = 0;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QFont font = fragment.fragment().charFormat().font().resolve(box->font());
            line += QFontMetricsF(font).horizontalAdvance(fragment.fragment().text());
        }
        widest = std::max(widest, line);
    }
    // Room for the cursor and rounding beside the document margins.
    constexpr int kSlack = 4;
    return int(std::ceil(widest + 2 * document->documentMargin())) + 2 * box->frameWidth() + kSlack;
}

} // namespace

TFrm_GraphInfo::TFrm_GraphInfo(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                         | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TFrm_GraphInfo>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("Frm_GraphInfo"));
    setFixedSize(602, 463);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFont(vorn::ui::tahomaPt(8));
    ui->Btn_Save->setFont(vorn::ui::tahomaPt(9, true));
    ui->Btn_Save->setIcon(vorn::art::icon(QStringLiteral("btn_ok")));
    setUpList();
    setUpBoxes();
    connect(ui->Btn_Save, &QPushButton::clicked, this, &TFrm_GraphInfo::Btn_SaveClick);
}

TFrm_GraphInfo::~TFrm_GraphInfo() = default;

void TFrm_GraphInfo::setUpList()
{
    TNewListView *list = ui->Lsv_Lista->ListView_SET();
    list->setColumnCount(int(std::size(kColumns)));
    QHeaderView *header = list->header();
    for (int column = 0; column < list->columnCount(); ++column) {
        const ListColumn &layout = kColumns[column];
        list->headerItem()->setText(column, QString::fromUtf16(layout.caption));
        list->setColumnWidth(column, layout.width < 0 ? header->defaultSectionSize() : layout.width);
        if (column > 0)
            list->setColumnAlignment(column, Qt::AlignCenter);
    }
    for (int column : kHiddenColumns)
        list->setColumnHidden(column, true);
    // The last column shown takes the room the others leave.
    header->setStretchLastSection(true);
    ui->Lsv_Lista->setUse_Sort(false);
}

void TFrm_GraphInfo::setUpBoxes()
{
    // One line per label or value and no wrapping: a label and its value
    // must stay on the same line number of their boxes.
    // Without frames the four boxes read as one table of labels and values.
    for (QPlainTextEdit *box : {ui->Mem_params1, ui->Mem_params2}) {
        box->setReadOnly(true);
        box->setFrameShape(QFrame::NoFrame);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    for (QTextEdit *box : {ui->REdt_results1, ui->REdt_results2}) {
        box->setReadOnly(true);
        box->setFrameShape(QFrame::NoFrame);
        box->setLineWrapMode(QTextEdit::NoWrap);
        box->setAcceptRichText(false);
        clearBox(box);
    }
}

void TFrm_GraphInfo::Set_Language(const vorn::TextTables &texts)
{
    setWindowTitle(texts.Text_List(72));
    QTreeWidgetItem *header = ui->Lsv_Lista->ListView_SET()->headerItem();
    for (int column = 0; column < int(std::size(kColumns)); ++column) {
        if (kColumns[column].textIndex >= 0)
            header->setText(column, texts.Text_List(kColumns[column].textIndex));
    }
}

TLxListViewSearch *TFrm_GraphInfo::Lsv_Lista() const { return ui->Lsv_Lista; }
QPlainTextEdit *TFrm_GraphInfo::Mem_params1() const { return ui->Mem_params1; }
QPlainTextEdit *TFrm_GraphInfo::Mem_params2() const { return ui->Mem_params2; }
QTextEdit *TFrm_GraphInfo::REdt_results1() const { return ui->REdt_results1; }
QTextEdit *TFrm_GraphInfo::REdt_results2() const { return ui->REdt_results2; }
QPushButton *TFrm_GraphInfo::Btn_Save() const { return ui->Btn_Save; }

// ---- the boxes ----------------------------------------------------------------

void TFrm_GraphInfo::showOtherParams(const vorn::graph::OtherParams &params,
                                     const vorn::TextTables &texts)
{
    setLines(ui->Mem_params1, params.params.labels);
    setLines(ui->Mem_params2, params.params.values);
    clearBox(ui->REdt_results1);
    clearBox(ui->REdt_results2);
    for (const QString &label : params.results.labels)
        addResultLabel(label);
    for (const QString &value : params.results.values)
        appendLine(ui->REdt_results2, value, plainFormat(ui->REdt_results2));
    if (params.verdict != vorn::graph::Verdict::None) {
        addResultLabel(vorn::graph::verdictHeading(texts));
        addVerdict(params.verdict, vorn::graph::verdictText(params.verdict, texts));
    }
    fitBoxesToText();
}

void TFrm_GraphInfo::addResultLabel(const QString &text)
{
    appendLine(ui->REdt_results1, text, plainFormat(ui->REdt_results1));
}

void TFrm_GraphInfo::addVerdict(vorn::graph::Verdict verdict, const QString &text)
{
    QTextCharFormat format = plainFormat(ui->REdt_results1);
    format.setFontWeight(QFont::Bold);
    format.setForeground(verdict == vorn::graph::Verdict::Pass ? kPassColor : kFailColor);
    format.setFontPointSize(format.fontPointSize() + kVerdictGrowth);
    appendLine(ui->REdt_results1, text, format);
}

void TFrm_GraphInfo::showEvent(QShowEvent *event)
{
    fitBoxesToText();
    QDialog::showEvent(event);
}

void TFrm_GraphInfo::fitBoxesToText()
{
    const std::array<QAbstractScrollArea *, 4> boxes{ui->Mem_params1, ui->Mem_params2,
                                                     ui->REdt_results1, ui->REdt_results2};
    const std::array<const QTextDocument *, 4> documents{
        ui->Mem_params1->document(), ui->Mem_params2->document(), ui->REdt_results1->document(),
        ui->REdt_results2->document()};
    // A label and its value stand close; the two pairs apart.
    constexpr int kEdge = 6;
    constexpr int kPairGap = 14;
    std::array<int, 4> widths{};
    int needed = 0;
    for (size_t i = 0; i < boxes.size(); ++i)
        needed += widths[i] = neededWidth(boxes[i], documents[i]);
    const int room = ui->Panel1->width() - 2 * kEdge - kPairGap;
    // Spare room widens every box alike; too little narrows them alike (a box
    // then scrolls).
    const double scale = needed > room ? double(room) / needed : 1.0;
    const int spare = needed < room ? (room - needed) / int(boxes.size()) : 0;
    int x = kEdge;
    for (size_t i = 0; i < boxes.size(); ++i) {
        const int width = int(widths[i] * scale) + spare;
        boxes[i]->setGeometry(x, boxes[i]->y(), width, boxes[i]->height());
        x += width + (i == 1 ? kPairGap : 0);
    }
}

void TFrm_GraphInfo::Btn_SaveClick()
{
    accept();
}
