#include "display/ui/SetFontAndColorsPanel.h"

#include "display/PresetFontInfo.h"
#include "display/ui/QtColors.h"
#include "display/ui/QtFontNames.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

namespace {

QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QIcon swatch(const QorColor& c)
{
    QPixmap pm(28, 16);
    pm.fill(toQColor(c));
    QPainter p(&pm);
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, pm.width() - 1, pm.height() - 1);
    return QIcon(pm);
}

}  // namespace

// --- the sample ------------------------------------------------------------------------

FontSampleView::FontSampleView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(360, 100);
}

void FontSampleView::setTrait(const FontTrait& font)
{
    m_font = font;
    update();
}

void FontSampleView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(m_font.backgroundColor));
    // The sample is drawn no larger than fits; the label tells the size.
    const QString plain = tr("Read faster, ");
    const QString marked = tr("understand more");
    const QString second = tr("one group of words at a time.");
    double size = std::min<double>(m_font.size > 0 ? m_font.size : 12, height() / 3.2);
    QFont f = fontForStoredName(m_font.fontName, size);
    double widest = std::max(QFontMetricsF(f).horizontalAdvance(plain + marked),
                             QFontMetricsF(f).horizontalAdvance(second));
    if (widest > width() - 24 && widest > 0)
        f.setPointSizeF(std::max(4.0, size * (width() - 24) / widest));
    p.setFont(f);
    QFontMetricsF fm(f);
    double x = 12, y = (height() - 2.2 * fm.height()) / 2 + fm.ascent();
    p.setPen(toQColor(m_font.fontColor));
    p.drawText(QPointF(x, y), plain);
    double w = fm.horizontalAdvance(marked);
    double hx = x + fm.horizontalAdvance(plain);
    p.fillRect(QRectF(hx, y - fm.ascent(), w, fm.height()), toQColor(m_font.highlightBackgroundColor));
    p.setPen(toQColor(m_font.highlightFontColor));
    p.drawText(QPointF(hx, y), marked);
    p.setPen(toQColor(m_font.fontColor));
    p.drawText(QPointF(x, y + fm.height() * 1.2), second);
}

// --- the preset chooser --------------------------------------------------------------------

PresetFontColorPanel::PresetFontColorPanel(PresetFontColorModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Font and Color Presets"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Choose a preset (BC: background, HFC and HBC: highlight font and "
                                    "background):"),
                                 this));
    mList = new QListWidget(this);
    mList->setObjectName("presetList");
    // The names line up by their blanks.
    mList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (std::string_view name : PresetFontColorModel::names())
        mList->addItem(q(name));
    layout->addWidget(mList);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    mOk = buttons->button(QDialogButtonBox::Ok);
    mOk->setObjectName("okButton");
    layout->addWidget(buttons);

    mList->setCurrentRow(m_model.selectedRow());
    connect(mList, &QListWidget::currentRowChanged, this, [this](int row) {
        m_model.select(row);
        mOk->setEnabled(m_model.canApply());
    });
    connect(mList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_model.select(mList->row(item));
        if (m_model.canApply())
            accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    mOk->setEnabled(m_model.canApply());
    resize(640, 330);
}

// --- the dialog ---------------------------------------------------------------------------------

SetFontAndColorsPanel::SetFontAndColorsPanel(FontAndColorsModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Font and Colors"));
    chooseFont = [this](const QFont& initial) -> std::optional<QFont> {
        bool ok = false;
        QFont f = QFontDialog::getFont(&ok, initial, this, tr("Font"));
        return ok ? std::optional<QFont>(f) : std::nullopt;
    };
    chooseColor = [this](const QColor& initial, const QString& title) -> std::optional<QColor> {
        QColor c = QColorDialog::getColor(initial, this, title);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
    choosePreset = [this](const FontTrait& current) {
        PresetFontColorModel chooser(current);
        PresetFontColorPanel panel(chooser, this);
        return panel.exec() == QDialog::Accepted ? chooser.chosenIndex() : -1;
    };

    auto* layout = new QVBoxLayout(this);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(new QLabel(tr("Font:"), this));
    mFontLabel = new QLabel(this);
    mFontLabel->setObjectName("fontLabel");
    fontRow->addWidget(mFontLabel, 1);
    auto* fontButton = new QPushButton(tr("Choose Font..."), this);
    fontButton->setObjectName("fontButton");
    fontRow->addWidget(fontButton);
    layout->addLayout(fontRow);

    auto* grid = new QGridLayout;
    const FontAndColorsModel::ColorRole roles[] = {
        FontAndColorsModel::kFontColor, FontAndColorsModel::kBackgroundColor,
        FontAndColorsModel::kHighlightFontColor, FontAndColorsModel::kHighlightBackgroundColor};
    for (int i = 0; i < FontAndColorsModel::kColorRoleCount; ++i) {
        FontAndColorsModel::ColorRole role = roles[i];
        auto* b = new QPushButton(q(FontAndColorsModel::colorTitle(role)), this);
        b->setObjectName(QString("colorButton%1").arg(int(role)));
        b->setIconSize(QSize(28, 16));
        mColorButtons[role] = b;
        grid->addWidget(b, i / 2, i % 2);
        connect(b, &QPushButton::clicked, this, [this, role] { colorButton(role); });
    }
    layout->addLayout(grid);

    mSample = new FontSampleView(this);
    mSample->setObjectName("sample");
    layout->addWidget(mSample, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* presets = buttons->addButton(tr("Presets..."), QDialogButtonBox::ResetRole);
    presets->setObjectName("presetButton");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    layout->addWidget(buttons);

    connect(fontButton, &QPushButton::clicked, this, &SetFontAndColorsPanel::fontButton);
    connect(presets, &QPushButton::clicked, this, &SetFontAndColorsPanel::presetButton);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_model.ok();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setMinimumWidth(500);
    refresh();
}

void SetFontAndColorsPanel::fontButton()
{
    const FontTrait& f = m_model.working();
    std::optional<QFont> chosen = chooseFont(fontForStoredName(f.fontName, f.size));
    if (!chosen)
        return;
    double size = chosen->pointSizeF() > 0 ? chosen->pointSizeF() : QFontInfo(*chosen).pointSizeF();
    m_model.setFont(storedNameForFont(*chosen), size);
    refresh();
}

void SetFontAndColorsPanel::colorButton(FontAndColorsModel::ColorRole role)
{
    std::optional<QColor> chosen =
        chooseColor(toQColor(m_model.color(role)), q(FontAndColorsModel::colorTitle(role)));
    if (!chosen)
        return;
    QorColor c = fromQColor(*chosen);
    m_model.setColor(role, c.red, c.green, c.blue);
    refresh();
}

void SetFontAndColorsPanel::presetButton()
{
    int index = choosePreset(m_model.working());
    if (index >= 0 && m_model.applyPreset(index))
        refresh();
}

void SetFontAndColorsPanel::refresh()
{
    const FontTrait& f = m_model.working();
    QFont shown = fontForStoredName(f.fontName, f.size);
    QFontInfo info(shown);
    mFontLabel->setText(tr("%1, %2 pt (shown as %3%4)")
                            .arg(storedNameText(f.fontName))
                            .arg(f.size)
                            .arg(info.family())
                            .arg(info.bold() ? tr(" Bold") : QString()));
    for (int role = 0; role < FontAndColorsModel::kColorRoleCount; ++role)
        mColorButtons[role]->setIcon(swatch(m_model.color(static_cast<FontAndColorsModel::ColorRole>(role))));
    mSample->setTrait(f);
}

}  // namespace qor
