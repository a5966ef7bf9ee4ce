#include "sets/ui/CustomOptionsPanels.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace qor {

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QComboBox* setPopUp(QWidget* parent)
{
    auto* menu = new QComboBox(parent);
    menu->setObjectName("mSetMenu");
    menu->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    menu->setMinimumContentsLength(24);
    return menu;
}

void fillPopUp(QComboBox* menu, const CustomOptionsSetChooser& model)
{
    menu->clear();
    for (const std::string& n : model.setNames())
        menu->addItem(q(n));
    menu->setCurrentIndex(model.selectedSet());
}

QListWidget* optionList(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName("mOptionTable");
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(320, 200);
    return list;
}

void fillList(QListWidget* list, const CustomOptionsSetChooser& model, int row)
{
    list->clear();
    for (const std::string& n : model.optionNames())
        list->addItem(q(n));
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
        list->scrollToItem(list->item(row));
    }
}

// The set pop-up in its form row over a labelled list of the set's options
// (the select and remove dialogs).
void addSetAndOptionRows(QDialog* d, QVBoxLayout* layout, const QString& setLabel, const QString& listLabel,
                         QComboBox*& menu, QListWidget*& list)
{
    auto* form = new QFormLayout;
    menu = setPopUp(d);
    form->addRow(new QLabel(setLabel, d), menu);
    layout->addLayout(form);
    layout->addWidget(new QLabel(listLabel, d));
    list = optionList(d);
    layout->addWidget(list, 1);
}

// Choosing a set in the pop-up loads it and refreshes the panel; the
// pop-up's own changes while the panel refreshes are not choices.
void followSetMenu(QDialog* d, QComboBox* menu, CustomOptionsSetChooser& model, const bool& refreshing,
                   std::function<void()> refresh)
{
    QObject::connect(menu, &QComboBox::currentIndexChanged, d,
                     [&model, &refreshing, refresh = std::move(refresh)](int i) {
                         if (refreshing)
                             return;
                         model.chooseSet(i);
                         refresh();
                     });
}

// The list's current row is the model's selected row, except while the
// panel refreshes.
template <class Model>
void followOptionRow(QDialog* d, QListWidget* list, Model& model, const bool& refreshing)
{
    QObject::connect(list, &QListWidget::currentRowChanged, d, [&model, &refreshing](int row) {
        if (!refreshing)
            model.selectRow(row);
    });
}

} // namespace

// --- select ------------------------------------------------------------------------------------

SelectCustomOptionsPanel::SelectCustomOptionsPanel(SelectCustomOptionsModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Custom Options"));
    auto* layout = new QVBoxLayout(this);
    addSetAndOptionRows(this, layout, tr("Custom options set:"), tr("Choose the options to read with:"),
                        mSetMenu, mOptionTable);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    layout->addWidget(buttons);

    followSetMenu(this, mSetMenu, m_model, m_refreshing, [this] { refresh(); });
    followOptionRow(this, mOptionTable, m_model, m_refreshing);
    connect(mOptionTable, &QListWidget::itemDoubleClicked, this, [this] { okPressed(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { okPressed(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
}

void SelectCustomOptionsPanel::okPressed()
{
    if (m_model.ok())
        accept();
}

void SelectCustomOptionsPanel::refresh()
{
    m_refreshing = true;
    fillPopUp(mSetMenu, m_model);
    fillList(mOptionTable, m_model, m_model.selectedRow());
    m_refreshing = false;
}

// --- add or replace -------------------------------------------------------------------------------

AddOrReplaceCustomOptionsPanel::AddOrReplaceCustomOptionsPanel(AddOrReplaceCustomOptionsModel& model,
                                                               NewSetRunner newSet, QWidget* parent)
    : QDialog(parent), m_model(model), m_newSet(std::move(newSet))
{
    setWindowTitle(tr("Save Custom Options"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Save the reading options in force under a name. Choose a set, then pick a "
                                "name or type a new one."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    auto* setRow = new QHBoxLayout;
    mSetMenu = setPopUp(this);
    setRow->addWidget(mSetMenu, 1);
    auto* newSetButton = new QPushButton(tr("New Set..."), this);
    newSetButton->setObjectName("newSetButton");
    setRow->addWidget(newSetButton);
    form->addRow(new QLabel(tr("Custom options set:"), this), setRow);
    mOptionCombo = new QComboBox(this);
    mOptionCombo->setObjectName("mOptionCombo");
    mOptionCombo->setEditable(true);
    mOptionCombo->setInsertPolicy(QComboBox::NoInsert);
    mOptionCombo->setMinimumContentsLength(24);
    form->addRow(new QLabel(tr("Option name:"), this), mOptionCombo);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    layout->addWidget(buttons);

    followSetMenu(this, mSetMenu, m_model, m_refreshing, [this] { refresh(); });
    connect(newSetButton, &QPushButton::clicked, this, [this] {
        if (!m_newSet)
            return;
        if (auto name = m_newSet(this)) {
            m_model.setCreated(*name);
            refresh();
        }
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_model.ok(mOptionCombo->currentText().toStdString()))
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] {
        m_model.cancel();
        reject();
    });
    setMinimumWidth(480);
    refresh();
}

void AddOrReplaceCustomOptionsPanel::refresh()
{
    m_refreshing = true;
    fillPopUp(mSetMenu, m_model);
    mOptionCombo->clear();
    for (const std::string& n : m_model.optionNames())
        mOptionCombo->addItem(q(n));
    mOptionCombo->setCurrentText(q(m_model.initialOptionName()));
    m_refreshing = false;
}

// --- remove ---------------------------------------------------------------------------------------------

RemoveCustomOptionsPanel::RemoveCustomOptionsPanel(RemoveCustomOptionsModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Remove Custom Options"));
    auto* layout = new QVBoxLayout(this);
    addSetAndOptionRows(this, layout, tr("Custom options set:"), tr("Options in this set:"), mSetMenu,
                        mOptionTable);
    auto* buttons = new QDialogButtonBox(this);
    mRemoveButton = buttons->addButton(tr("Remove"), QDialogButtonBox::ActionRole);
    mRemoveButton->setObjectName("removeButton");
    auto* done = buttons->addButton(tr("Done"), QDialogButtonBox::AcceptRole);
    done->setObjectName("doneButton");
    layout->addWidget(buttons);

    followSetMenu(this, mSetMenu, m_model, m_refreshing, [this] { refresh(); });
    followOptionRow(this, mOptionTable, m_model, m_refreshing);
    connect(mRemoveButton, &QPushButton::clicked, this, [this] {
        if (m_model.remove())
            refresh();
    });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
}

void RemoveCustomOptionsPanel::refresh()
{
    m_refreshing = true;
    fillPopUp(mSetMenu, m_model);
    fillList(mOptionTable, m_model, m_model.selectedRow());
    mRemoveButton->setEnabled(m_model.removeEnabled());
    m_refreshing = false;
}

} // namespace qor
