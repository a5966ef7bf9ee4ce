#include "sets/ui/SetPanels.h"

#include "users/QorAdmin.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

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

// The head of a set dialog: its title, its description and a form whose
// first row the caller completes beside the set label.
template <class Model>
QFormLayout* setDialogHead(QDialog* d, const Model& model, QVBoxLayout* layout, QLabel*& description,
                           QLabel*& setText)
{
    d->setWindowTitle(q(model.title()));
    description = descriptionLabel(model.description(), d);
    layout->addWidget(description);
    setText = new QLabel(q(model.setLabel()), d);
    setText->setObjectName("mSetText");
    return new QFormLayout;
}

// The foot of a set dialog: the form and OK and Cancel. OK closes the
// dialog when `ok` accepts; Cancel, or closing the window, cancels the
// model.
template <class Model>
QDialogButtonBox* setDialogFoot(QDialog* d, Model& model, QVBoxLayout* layout, QFormLayout* form,
                                std::function<bool()> ok)
{
    layout->addLayout(form);
    auto* buttons = okCancel(d);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, d, [d, ok = std::move(ok)] {
        if (ok())
            d->accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, d, &QDialog::reject);
    QObject::connect(d, &QDialog::rejected, d, [&model] { model.cancel(); });
    return buttons;
}

} // namespace

CreateSetPanel::CreateSetPanel(CreateSetModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    auto* layout = new QVBoxLayout(this);
    QFormLayout* form = setDialogHead(this, model, layout, mDescriptionText, mSetText);
    mSetNameEdit = new QLineEdit(this);
    mSetNameEdit->setObjectName("mSetNameEdit");
    mSetNameEdit->setMinimumWidth(240);
    form->addRow(mSetText, mSetNameEdit);
    setDialogFoot(this, m_model, layout, form, [this] { return m_model.ok(typed(mSetNameEdit)); });
    setMinimumWidth(420);
}

DuplicateSetPanel::DuplicateSetPanel(DuplicateSetModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    auto* layout = new QVBoxLayout(this);
    QFormLayout* form = setDialogHead(this, model, layout, mDescriptionText, mSetText);
    mSetNameMenu = setPopUp(model.setNames(), this);
    form->addRow(mSetText, mSetNameMenu);
    mNewSetText = new QLabel(q(model.newSetLabel()), this);
    mNewSetText->setObjectName("mNewSetText");
    mNewSetNameEdit = new QLineEdit(this);
    mNewSetNameEdit->setObjectName("mNewSetNameEdit");
    form->addRow(mNewSetText, mNewSetNameEdit);
    setDialogFoot(this, m_model, layout, form,
                  [this] { return m_model.ok(mSetNameMenu->currentIndex(), typed(mNewSetNameEdit)); });
    setMinimumWidth(480);
}

DeleteSetPanel::DeleteSetPanel(DeleteSetModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    auto* layout = new QVBoxLayout(this);
    QFormLayout* form = setDialogHead(this, model, layout, mDescriptionText, mSetText);
    mSetNameMenu = setPopUp(model.setNames(), this);
    form->addRow(mSetText, mSetNameMenu);
    QDialogButtonBox* buttons = setDialogFoot(this, m_model, layout, form,
                                              [this] { return m_model.ok(mSetNameMenu->currentIndex()); });
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Remove"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!model.setNames().empty());
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
