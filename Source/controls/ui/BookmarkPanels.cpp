#include "controls/ui/BookmarkPanels.h"

#include "shell/Messages.h"
#include "shell/QorAlert.h"
#include "text/PdfReader.h"
#include "users/QorAdmin.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qor {

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A one-column table: whole rows selectable, nothing editable, no headers.
QTableWidget* makeTable(QWidget* parent, const char* name, bool many, Qt::TextElideMode elide)
{
    auto* t = new QTableWidget(0, 1, parent);
    t->setObjectName(name);
    t->horizontalHeader()->setVisible(false);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->setVisible(false);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(many ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setShowGrid(false);
    t->setAlternatingRowColors(true);
    t->setWordWrap(false);
    t->setTextElideMode(elide);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 8);
    return t;
}

void fill(QTableWidget* t, int count, const std::function<std::string(int)>& text, bool tooltips)
{
    t->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        auto* item = new QTableWidgetItem(qs(text(row)));
        if (tooltips)
            item->setToolTip(item->text());
        t->setItem(row, 0, item);
    }
}

void selectRows(QTableWidget* t, const std::vector<int>& rows)
{
    t->clearSelection();
    for (int row : rows) {
        if (row < 0 || row >= t->rowCount())
            continue;
        t->selectionModel()->select(t->model()->index(row, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    if (!rows.empty() && rows.front() >= 0 && rows.front() < t->rowCount()) {
        t->setCurrentCell(rows.front(), 0, QItemSelectionModel::NoUpdate);
        t->scrollToItem(t->item(rows.front(), 0));
    }
}

std::vector<int> selectedRows(QTableWidget* t)
{
    std::vector<int> rows;
    for (const QModelIndex& i : t->selectionModel()->selectedRows())
        rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

void alertNoBookMarks()
{
    QorAlert::message(MessageTables::localizedString("NoBookMarks", table::kError), kAlertOK,
                      kSeverityInformational);
}

}  // namespace

std::string bookmarksFileOf(const QorAdmin& admin)
{
    if (!admin.validUser())
        return {};
    return BookMarks::filePathFor(admin.usersFolder(), admin.userName());
}

std::string currentBookmarksFile() { return bookmarksFileOf(QorAdmin::instance()); }

// --- naming ------------------------------------------------------------------

BookMarkNamePanel::BookMarkNamePanel(BookMarkNameModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Set Bookmark"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Name of the new bookmark:"), this));
    mSetNameEdit = new QLineEdit(this);
    mSetNameEdit->setObjectName("setNameEdit");
    mSetNameEdit->setMaxLength(255);
    layout->addWidget(mSetNameEdit);
    auto* file = new QLabel(this);
    file->setObjectName("fileName");
    file->setText(tr("In: %1").arg(QFileInfo(qs(m_model.filePath())).fileName()));
    file->setToolTip(qs(m_model.filePath()));
    file->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(file);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_model.ok(mSetNameEdit->text().toStdString()))
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(360);
}

// --- go to -------------------------------------------------------------------

GotoBookMarkPanel::GotoBookMarkPanel(GotoBookMarkModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Go To Bookmark"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Choose a bookmark of this text:"), this));
    mBookmarkView = makeTable(this, "bookmarkView", false, Qt::ElideRight);
    layout->addWidget(mBookmarkView, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    layout->addWidget(buttons);

    connect(mBookmarkView, &QTableWidget::itemSelectionChanged, this, [this] {
        if (m_bRefreshing)
            return;
        std::vector<int> rows = selectedRows(mBookmarkView);
        m_model.selectName(rows.empty() ? -1 : rows.front());
    });
    connect(mBookmarkView, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        m_model.selectName(row);
        accepting();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &GotoBookMarkPanel::accepting);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] {
        m_model.cancel();
        reject();
    });
    resize(340, 300);
    refresh();
}

void GotoBookMarkPanel::refresh()
{
    m_bRefreshing = true;
    fill(mBookmarkView, m_model.nameCount(), [this](int r) { return m_model.nameAt(r); }, false);
    selectRows(mBookmarkView, {m_model.selectedName()});
    m_bRefreshing = false;
}

void GotoBookMarkPanel::accepting()
{
    if (m_model.ok())
        accept();
}

// --- the two tables ------------------------------------------------------------

BookmarkTablesPanel::BookmarkTablesPanel(BookmarkTablesModel& model, bool manyNames, QWidget* parent)
    : QDialog(parent), m_tables(model)
{
    mFilePathView = makeTable(this, "filePathView", false, Qt::ElideMiddle);
    mBookmarkView = makeTable(this, "bookmarkView", manyNames, Qt::ElideRight);
    connect(mFilePathView, &QTableWidget::itemSelectionChanged, this, [this] {
        if (m_bRefreshing)
            return;
        std::vector<int> rows = selectedRows(mFilePathView);
        m_tables.selectPath(rows.empty() ? -1 : rows.front());
        refresh();
    });
    connect(mBookmarkView, &QTableWidget::itemSelectionChanged, this, [this] {
        if (!m_bRefreshing)
            namesChosen();
    });
}

void BookmarkTablesPanel::namesChosen()
{
    std::vector<int> rows = selectedRows(mBookmarkView);
    m_tables.selectName(rows.empty() ? -1 : rows.front());
}

void BookmarkTablesPanel::refresh()
{
    m_bRefreshing = true;
    fill(mFilePathView, m_tables.pathCount(), [this](int r) { return m_tables.pathAt(r); }, true);
    selectRows(mFilePathView, {m_tables.selectedPath()});
    fill(mBookmarkView, m_tables.nameCount(), [this](int r) { return m_tables.nameAt(r); }, false);
    selectRows(mBookmarkView, namesShown());
    m_bRefreshing = false;
}

std::vector<int> BookmarkTablesPanel::namesShown() const { return {m_tables.selectedName()}; }

QHBoxLayout* BookmarkTablesPanel::tablesRow(QVBoxLayout*& right)
{
    auto* tables = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(heading(tr("Texts"), this));
    left->addWidget(mFilePathView, 1);
    right = new QVBoxLayout;
    right->addWidget(heading(tr("Bookmarks"), this));
    right->addWidget(mBookmarkView, 1);
    tables->addLayout(left, 3);
    tables->addLayout(right, 2);
    return tables;
}

// --- load and go to ----------------------------------------------------------------

LoadAndGotoBookMarkPanel::LoadAndGotoBookMarkPanel(LoadAndGotoBookMarkModel& model, QWidget* parent)
    : BookmarkTablesPanel(model, false, parent), m_model(model)
{
    setWindowTitle(tr("Open Text at Bookmark"));
    auto* layout = new QVBoxLayout(this);
    QVBoxLayout* right = nullptr;
    QHBoxLayout* tables = tablesRow(right);
    layout->addLayout(tables, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Open"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    layout->addWidget(buttons);

    connect(mBookmarkView, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        m_model.selectName(row);
        accepting();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &LoadAndGotoBookMarkPanel::accepting);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] {
        m_model.cancel();
        reject();
    });
    resize(620, 340);
    refresh();
}

void LoadAndGotoBookMarkPanel::accepting()
{
    if (m_model.ok())
        accept();
}

// --- remove ------------------------------------------------------------------

RemoveBookMarkPanel::RemoveBookMarkPanel(RemoveBookMarkModel& model, QWidget* parent)
    : BookmarkTablesPanel(model, true, parent), m_model(model)
{
    setWindowTitle(tr("Remove Bookmarks"));
    auto* layout = new QVBoxLayout(this);
    QVBoxLayout* right = nullptr;
    QHBoxLayout* tables = tablesRow(right);
    auto* removeRow = new QHBoxLayout;
    mRemoveSelected = new QPushButton(tr("Remove Selected"), this);
    mRemoveSelected->setObjectName("removeSelectedButton");
    mRemoveAll = new QPushButton(tr("Remove All"), this);
    mRemoveAll->setObjectName("removeAllButton");
    mRemoveAll->setToolTip(tr("Removes every bookmark of the text chosen"));
    removeRow->addWidget(mRemoveSelected);
    removeRow->addWidget(mRemoveAll);
    right->addLayout(removeRow);
    layout->addLayout(tables, 1);
    auto* note = new QLabel(tr("Removals take effect when you click OK."), this);
    note->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    layout->addWidget(buttons);

    connect(mRemoveSelected, &QPushButton::clicked, this, [this] {
        m_model.removeSelected();
        refresh();
        refreshButtons();
    });
    connect(mRemoveAll, &QPushButton::clicked, this, [this] {
        m_model.removeAll();
        refresh();
        refreshButtons();
    });
    connect(mFilePathView, &QTableWidget::itemSelectionChanged, this, [this] { refreshButtons(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_model.ok())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(660, 360);
    refresh();
    refreshButtons();
}

std::vector<int> RemoveBookMarkPanel::namesShown() const { return m_model.selectedNames(); }

void RemoveBookMarkPanel::namesChosen()
{
    m_model.selectNames(selectedRows(mBookmarkView));
    refreshButtons();
}

void RemoveBookMarkPanel::refreshButtons()
{
    mRemoveSelected->setEnabled(!m_model.selectedNames().empty());
    mRemoveAll->setEnabled(m_model.selectedPath() >= 0);
}

// --- commands ------------------------------------------------------------------

bool runBookMarkNamePanel(QWidget* parent, const std::string& path, int32_t position,
                          const std::string& bookmarksFile)
{
    BookMarkNameModel model(bookmarksFile);
    model.initializeWithFilePath(path, position);
    BookMarkNamePanel panel(model, parent);
    return panel.exec() == QDialog::Accepted;
}

int32_t runGotoBookMarkPanel(QWidget* parent, const std::string& path, const std::string& bookmarksFile)
{
    GotoBookMarkModel model(bookmarksFile);
    model.initializeWithFilePath(path);
    GotoBookMarkPanel panel(model, parent);
    panel.exec();
    return model.position();
}

void runLoadBookmarkPanel(QWidget* parent, BookmarkLoad load, const std::string& bookmarksFile)
{
    LoadAndGotoBookMarkModel model(bookmarksFile);
    if (!model.initialize()) {
        alertNoBookMarks();
        return;
    }
    LoadAndGotoBookMarkPanel panel(model, parent);
    if (panel.exec() != QDialog::Accepted || model.canceled())
        return;
    int32_t position = -1;
    std::string path = model.filePathAndPosition(position);
    if (!path.empty() && position >= 0 && load)
        load(path, position, isPdfDocument(path));
}

void runRemoveBookmarksPanel(QWidget* parent, const std::string& bookmarksFile)
{
    RemoveBookMarkModel model(bookmarksFile);
    if (!model.initialize()) {
        alertNoBookMarks();
        return;
    }
    RemoveBookMarkPanel panel(model, parent);
    panel.exec();
}

QtBookmarkService::QtBookmarkService(QWidget* parent, FileSource file) : m_parent(parent), m_file(std::move(file)) {}

void QtBookmarkService::addBookmark(const std::string& path, int32_t position)
{
    runBookMarkNamePanel(m_parent, path, position, m_file());
}

std::vector<int32_t> QtBookmarkService::bookmarkPositions(const std::string& path)
{
    return qor::bookmarkPositions(m_file(), path);
}

int32_t QtBookmarkService::chooseBookmark(const std::string& path)
{
    return runGotoBookMarkPanel(m_parent, path, m_file());
}

}  // namespace qor
