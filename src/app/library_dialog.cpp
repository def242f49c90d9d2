#include "app/library_dialog.h"

#include "app/qt_text.h"
#include "app/view_language.h"
#include "session/view_texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <filesystem>

namespace gelvant {
namespace {

QString colon(std::string_view label) {
    return gelvant::shown(label) + gelvant::shown(view_text::kLabelColon);
}

// The key's box label with its range: "环境平均温度℃ (-60～60)".
QString keyCaption(const LibraryKeyDef& key) {
    return gelvant::shown(keyLabel(key)) + QStringLiteral(" (") +
           gelvant::shown(keyRangeText(key)) + QStringLiteral(")");
}

std::filesystem::path fsPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

// --- One entry ------------------------------------------------------------------------------

LibraryEntryDialog::LibraryEntryDialog(LibraryKind kind, const std::optional<LibraryEntry>& start,
                                       std::size_t builtInItems, Submit submit, QWidget* parent)
    : QDialog(parent), kind_(kind), submit_(std::move(submit)), name_(new QLineEdit(this)) {
    const LibraryKindDef& def = libraryKindDef(kind);
    setWindowTitle(gelvant::shown(view_text::kLibraryTitle) + QStringLiteral(" - ") +
                   gelvant::shown(def.title));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* form = new QFormLayout(this);
    if (builtInItems > 0) {
        builtIn_ = new QComboBox(this);
        for (std::size_t item = 0; item < builtInItems; ++item) {
            if (const auto row = builtInEntry(kind, item)) {
                builtIn_->addItem(gelvant::shown(row->name), static_cast<qulonglong>(item));
            }
        }
        form->addRow(gelvant::shown(view_text::kBuiltInItemPrompt), builtIn_);
        connect(builtIn_, &QComboBox::currentIndexChanged, this, [this](int index) {
            const auto item = builtIn_->itemData(index).toULongLong();
            if (const auto row = builtInEntry(kind_, static_cast<std::size_t>(item))) {
                showEntry(*row);
                name_->clear(); // a built-in item's name is taken: the designer gives his own
                name_->setPlaceholderText(gelvant::shown(row->name));
            }
        });
    }
    form->addRow(colon(view_text::kEntryNameColumn), name_);
    for (const LibraryKeyDef& key : def.keys) {
        values_.push_back(new QLineEdit(this));
        form->addRow(keyCaption(key) + gelvant::shown(view_text::kLabelColon), values_.back());
    }
    if (start) {
        showEntry(*start);
    } else if (builtIn_ != nullptr && builtIn_->count() > 0) {
        emit builtIn_->currentIndexChanged(0);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(gelvant::shown(view_text::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(gelvant::shown(view_text::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &LibraryEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

void LibraryEntryDialog::showEntry(const LibraryEntry& entry) {
    name_->setText(qtext(entry.name));
    const auto keys = libraryKindDef(kind_).keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        values_[i]->setText(qtext(entryValueText(entry, keys[i])));
    }
}

void LibraryEntryDialog::accept() {
    const auto keys = libraryKindDef(kind_).keys;
    std::vector<KeyText> values;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        values.push_back({std::string(keys[i].field), values_[i]->text().trimmed().toStdString()});
    }
    const auto problem = submit_(name_->text().trimmed().toStdString(), values);
    if (!problem) {
        QDialog::accept();
        return;
    }
    QMessageBox::warning(this, windowTitle(), gelvant::shown(describeInChinese(*problem)));
    QLineEdit* wrong = name_;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (problem->key == &keys[i]) {
            wrong = values_[i];
        }
    }
    wrong->setFocus();
    wrong->selectAll();
}

// --- The library ----------------------------------------------------------------------------

LibraryDialog::LibraryDialog(DesignSession& session, KeepPersonal keep, QWidget* parent)
    : QDialog(parent), session_(session), keep_(std::move(keep)),
      listener_(session.listen([this](const SessionChanges& changes) {
          if (changes.library || changes.replaced) {
              showEntries();
          }
      })),
      tabs_(new QTabWidget(this)) {
    setWindowTitle(gelvant::shown(view_text::kLibraryTitle));
    auto* hint = new QLabel(gelvant::shown(view_text::kLibraryHint), this);
    hint->setWordWrap(true);
    for (const LibraryKind kind : kLibraryKinds) {
        const LibraryKindDef& def = libraryKindDef(kind);
        auto* table = new QTableWidget(0, static_cast<int>(def.keys.size()) + 1, tabs_);
        QStringList headers{gelvant::shown(view_text::kEntryNameColumn)};
        for (const LibraryKeyDef& key : def.keys) {
            headers << keyCaption(key);
        }
        table->setHorizontalHeaderLabels(headers);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        connect(table, &QTableWidget::cellDoubleClicked, this, [this] { changeEntry(); });
        tables_.push_back(table);
        tabs_->addTab(table, gelvant::shown(def.title));
    }

    constexpr std::array kButtonWords{view_text::kLibraryAdd,    view_text::kLibraryEdit,
                                      view_text::kLibraryRemove, view_text::kLibraryCopyBuiltIn,
                                      view_text::kLibraryImport, view_text::kLibraryExport,
                                      view_text::kLibraryClose};
    auto* column = new QVBoxLayout;
    for (const std::string_view words : kButtonWords) {
        buttons_.push_back(new QPushButton(gelvant::shown(words), this));
        column->addWidget(buttons_.back());
    }
    column->insertSpacing(4, 12);
    column->insertStretch(column->count() - 1);
    connect(button(Button::Add), &QPushButton::clicked, this, &LibraryDialog::addEntry);
    connect(button(Button::Edit), &QPushButton::clicked, this, &LibraryDialog::changeEntry);
    connect(button(Button::Remove), &QPushButton::clicked, this, &LibraryDialog::removeEntry);
    connect(button(Button::CopyBuiltIn), &QPushButton::clicked, this, &LibraryDialog::copyBuiltIn);
    connect(button(Button::Import), &QPushButton::clicked, this, &LibraryDialog::importFile);
    connect(button(Button::Export), &QPushButton::clicked, this, &LibraryDialog::exportFile);
    connect(button(Button::Close), &QPushButton::clicked, this, &QDialog::accept);

    auto* body = new QHBoxLayout;
    body->addWidget(tabs_, 1);
    body->addLayout(column);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(body);
    resize(900, 420);
    showEntries();
}

LibraryDialog::~LibraryDialog() {
    session_.stopListening(listener_);
}

LibraryKind LibraryDialog::currentKind() const {
    return kLibraryKinds.at(static_cast<std::size_t>(std::max(tabs_->currentIndex(), 0)));
}

std::optional<std::size_t> LibraryDialog::currentEntry() const {
    const int row = table(currentKind())->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= session_.library().of(currentKind()).size()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(row);
}

void LibraryDialog::showEntries() {
    for (const LibraryKind kind : kLibraryKinds) {
        QTableWidget& shown = *table(kind);
        const auto& entries = session_.library().of(kind);
        const auto keys = libraryKindDef(kind).keys;
        shown.setRowCount(static_cast<int>(entries.size()));
        for (std::size_t row = 0; row < entries.size(); ++row) {
            const int r = static_cast<int>(row);
            shown.setItem(r, 0, new QTableWidgetItem(qtext(entries[row].name)));
            for (std::size_t key = 0; key < keys.size(); ++key) {
                auto* cell = new QTableWidgetItem(qtext(entryValueText(entries[row], keys[key])));
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                shown.setItem(r, static_cast<int>(key) + 1, cell);
            }
        }
    }
}

void LibraryDialog::editEntry(const std::optional<std::size_t>& entry, bool fromBuiltIn) {
    const LibraryKind kind = currentKind();
    std::optional<LibraryEntry> start;
    std::string before;
    if (entry) {
        start = session_.library().of(kind).at(*entry);
        before = start->name;
    }
    std::string made;
    const std::size_t builtInItems =
        fromBuiltIn ? session_.form().builtInItemCount(libraryListControl(kind)) : 0;
    LibraryEntryDialog editor(
        kind, start, builtInItems,
        [&](const std::string& name, const std::vector<KeyText>& values) {
            made = name;
            return entry ? session_.changeLibraryEntry(kind, before, name, values)
                         : session_.addLibraryEntry(kind, name, values);
        },
        this);
    if (editor.exec() != QDialog::Accepted) {
        return;
    }
    keepPersonal(personalWith(session_.personalLibrary(), kind, entry ? before : made, made));
    if (const auto placed = findEntry(session_.library(), kind, made)) {
        table(kind)->selectRow(static_cast<int>(*placed));
    }
}

void LibraryDialog::changeEntry() {
    if (const auto entry = currentEntry()) {
        editEntry(entry, false);
    }
}

void LibraryDialog::removeEntry() {
    const auto entry = currentEntry();
    if (!entry) {
        return;
    }
    const LibraryKind kind = currentKind();
    const std::string name = session_.library().of(kind).at(*entry).name;
    if (const auto problem = session_.removeLibraryEntry(kind, name)) {
        refuse(gelvant::shown(describeInChinese(*problem)));
        return;
    }
    keepPersonal(personalWith(session_.personalLibrary(), kind, name, name));
}

Library LibraryDialog::personalWith(const Library& personal, LibraryKind kind,
                                    const std::string& before, const std::string& name) const {
    return personalFollowing(personal, session_.library(), kind, before, name);
}

void LibraryDialog::keepPersonal(Library personal) {
    if (keep_) {
        keep_(personal);
    }
    session_.setPersonalLibrary(std::move(personal));
}

void LibraryDialog::importFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, gelvant::shown(view_text::kLibraryImport), {},
                                     gelvant::shown(view_text::kLibraryFilesFilter));
    if (path.isEmpty()) {
        return;
    }
    const auto read = readLibraryFile(fsPath(path));
    if (read.error) {
        refuse(gelvant::shown(describeInChinese(*read.error)));
        return;
    }
    if (const auto error = session_.importLibrary(libraryFileText(*read.library))) {
        refuse(gelvant::shown(describeInChinese(*error)));
        return;
    }
    keepPersonal(personalFollowing(session_.personalLibrary(), session_.library(), *read.library));
}

void LibraryDialog::exportFile() {
    const QString path =
        QFileDialog::getSaveFileName(this, gelvant::shown(view_text::kLibraryExport),
                                     gelvant::shown(view_text::kLibraryFileName),
                                     gelvant::shown(view_text::kLibraryFilesFilter));
    if (path.isEmpty()) {
        return;
    }
    if (const auto error = writeFileAtomically(fsPath(path), session_.exportLibrary())) {
        refuse(gelvant::shown(view_text::cannotWriteFile(path.toStdString(), error.message())));
    }
}

void LibraryDialog::refuse(const QString& text) {
    QMessageBox::warning(this, windowTitle(), text);
}

} // namespace gelvant
