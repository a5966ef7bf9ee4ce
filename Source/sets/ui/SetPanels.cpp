#include "sets/ui/SetPanels.h"

#include "users/QorAdmin.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}
std::string typed(const QLineEdit* e)
{
    return e->text().toStdString();
}

QLabel* descriptionLabel(const std::string& text, QWidget* parent)
{
    auto* l = new QLabel(q(text), parent);
    l->setObjectName("mDescriptionText");
    l->setWordWrap(true);
    return l;
}

QDialogButtonBox* okCancel(QDialog* d)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    return buttons;
}

QComboBox* setPopUp(const std::vector<std::string>& names, QWidget* parent)
{
    auto* menu = new QComboBox(parent);
    menu->setObjectName("mSetNameMenu");
    for (const std::string& n : names)
        menu->addItem(q(n));
    menu->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    menu->setMinimumContentsLength(24);
    return menu;
}

} // namespace

CreateSetPanel::CreateSetPanel(CreateSetModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(q(model.title()));
    auto* layout = new QVBoxLayout(this);
    mDescriptionText = descriptionLabel(model.description(), this);
    layout->addWidget(mDescriptionText);
    auto* form = new QFormLayout;
    mSetText = new QLabel(q(model.setLabel()), this);
    mSetText->setObjectName("mSetText");
    mSetNameEdit = new QLineEdit(this);
    mSetNameEdit->setObjectName("mSetNameEdit");
    mSetNameEdit->setMinimumWidth(240);
    form->addRow(mSetText, mSetNameEdit);
    layout->addLayout(form);
    auto* buttons = okCancel(this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_model.ok(typed(mSetNameEdit)))
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { m_model.cancel(); });
    setMinimumWidth(420);
}

DuplicateSetPanel::DuplicateSetPanel(DuplicateSetModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(q(model.title()));
    auto* layout = new QVBoxLayout(this);
    mDescriptionText = descriptionLabel(model.description(), this);
    layout->addWidget(mDescriptionText);
    auto* form = new QFormLayout;
    mSetText = new QLabel(q(model.setLabel()), this);
    mSetText->setObjectName("mSetText");
    mSetNameMenu = setPopUp(model.setNames(), this);
    form->addRow(mSetText, mSetNameMenu);
    mNewSetText = new QLabel(q(model.newSetLabel()), this);
    mNewSetText->setObjectName("mNewSetText");
    mNewSetNameEdit = new QLineEdit(this);
    mNewSetNameEdit->setObjectName("mNewSetNameEdit");
    form->addRow(mNewSetText, mNewSetNameEdit);
    layout->addLayout(form);
    auto* buttons = okCancel(this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_model.ok(mSetNameMenu->currentIndex(), typed(mNewSetNameEdit)))
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { m_model.cancel(); });
    setMinimumWidth(480);
}

DeleteSetPanel::DeleteSetPanel(DeleteSetModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(q(model.title()));
    auto* layout = new QVBoxLayout(this);
    mDescriptionText = descriptionLabel(model.description(), this);
    layout->addWidget(mDescriptionText);
    auto* form = new QFormLayout;
    mSetText = new QLabel(q(model.setLabel()), this);
    mSetText->setObjectName("mSetText");
    mSetNameMenu = setPopUp(model.setNames(), this);
    form->addRow(mSetText, mSetNameMenu);
    layout->addLayout(form);
    auto* buttons = okCancel(this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Remove"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!model.setNames().empty());
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_model.ok(mSetNameMenu->currentIndex()))
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { m_model.cancel(); });
    setMinimumWidth(440);
}

void runCreateSetPanel(CreateSetModel& model, QWidget* parent)
{
    CreateSetPanel panel(model, parent);
    panel.exec();
}

void runDuplicateSetPanel(DuplicateSetModel& model, QWidget* parent)
{
    DuplicateSetPanel panel(model, parent);
    panel.exec();
}

void runDeleteSetPanel(DeleteSetModel& model, QWidget* parent)
{
    DeleteSetPanel panel(model, parent);
    panel.exec();
}

SetCommandHooks setPanelHooks(QWidget* parent)
{
    SetCommandHooks h;
    h.runCreate = [parent](CreateSetModel& m) { runCreateSetPanel(m, parent); };
    h.runDuplicate = [parent](DuplicateSetModel& m) { runDuplicateSetPanel(m, parent); };
    h.runDelete = [parent](DeleteSetModel& m) { runDeleteSetPanel(m, parent); };
    return h;
}

QorPanels& QorPanels::instance()
{
    static QorPanels panels;
    return panels;
}

std::optional<std::string> QorPanels::createNewSet(SetKindId kind, QWidget* parent)
{
    SetCommands commands(QorAdmin::instance(), setPanelHooks(parent));
    return commands.createSetUnchecked(kind);
}

std::optional<std::string> QorPanels::createNewCompTestSet(QWidget* parent)
{
    return createNewSet(SetKindId::CompTest, parent);
}

std::optional<std::string> QorPanels::createNewDrillTextSet(QWidget* parent)
{
    return createNewSet(SetKindId::DrillText, parent);
}

} // namespace qor
