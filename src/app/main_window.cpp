#include "app/main_window.h"

#include "app/command_actions.h"
#include "app/design_window.h"
#include "app/document_prompts.h"
#include "app/form_look.h"
#include "app/library_dialog.h"
#include "app/personal_library.h"
#include "app/qt_text.h"
#include "app/recovery_store.h"
#include "app/report_commands.h"
#include "app/room_selector.h"
#include "app/summary_window.h"
#include "app/view_language.h"
#include "document/design_file_io.h"
#include "form/controls.h"
#include "form/program.h"
#include "session/document_texts.h"
#include "session/view_texts.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <map>

namespace gelvant {
namespace {

constexpr const char* kRecentKey = "recentFiles";

std::filesystem::path fsPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString absolute(const QString& path) {
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

QStringList storedRecent() {
    const QSettings settings(QStringLiteral("gelvant"), QStringLiteral("gelvant"));
    return settings.value(QString::fromLatin1(kRecentKey)).toStringList();
}

void storeRecent(const QStringList& files) {
    QSettings settings(QStringLiteral("gelvant"), QStringLiteral("gelvant"));
    settings.setValue(QString::fromLatin1(kRecentKey), files);
}

// The file goes to the top of the recent files, at most kRecentFiles of them.
void rememberRecent(const QString& path) {
    QStringList files = storedRecent();
    files.removeAll(path);
    files.prepend(path);
    storeRecent(files.mid(0, MainWindow::kRecentFiles));
}

void forgetMissingRecent() {
    QStringList files = storedRecent();
    files.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
    storeRecent(files);
}

// The one local file a drag carries, if that is what it carries.
QString draggedFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

MainWindow::MainWindow(DesignSession& session, MessagePresenter& messages, DocumentPrompts& prompts,
                       QWidget* parent)
    : QMainWindow(parent), session_(session), messages_(messages), prompts_(prompts),
      workflow_(session), form_(new DesignWindow(session)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setCentralWidget(form_);
    buildRooms();
    buildMenus();
    // The form has one size; the window is that and the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setAcceptDrops(true);
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(DocumentWorkflow::kRecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, &MainWindow::writeRecovery);
    listener_ = session_.listen([this](const SessionChanges&) { sessionChanged(); });
    sessionChanged();
}

MainWindow::~MainWindow() {
    session_.stopListening(listener_);
}

void MainWindow::buildMenus() {
    // The report of the design as it stands, named after its file.
    auto* report = new ReportCommands(
        this, [this]() -> const Project& { return session_.project(); },
        [this] { return filePath(); });
    // 计算全部 before a sheet: the rooms' own command, gathered messages and all.
    report->setComputeAll([this] { roomCommands_->computeAllAction()->trigger(); });
    const auto fileAction = [this](Command command, auto slot) {
        QAction* action = newCommandAction(command, this);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const std::map<Command, QAction*> own = {
        {Command::NewDesign, fileAction(Command::NewDesign, &MainWindow::newDesign)},
        {Command::Open, fileAction(Command::Open, &MainWindow::openDesign)},
        {Command::Save, fileAction(Command::Save, &MainWindow::save)},
        {Command::SaveAs, fileAction(Command::SaveAs, &MainWindow::saveAs)},
        {Command::ProjectInfo, fileAction(Command::ProjectInfo, &MainWindow::editProjectInfo)},
        {Command::Quit, fileAction(Command::Quit, &QWidget::close)},
        {Command::Undo, form_->undoAction()},
        {Command::Redo, form_->redoAction()},
        {Command::About, form_->aboutAction()},
        {Command::Summary, summary_->showAction()},
        {Command::Library, fileAction(Command::Library, &MainWindow::editLibrary)},
    };
    const auto actionOf = [&](Command command) {
        const auto found = own.find(command);
        if (found != own.end()) {
            return found->second;
        }
        QAction* action = report->action(command);
        return action != nullptr ? action : roomCommands_->action(command);
    };
    recentMenu_ = new QMenu(this);
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    for (const MenuDef& menu : kMenus) {
        if (&menu == &kMenus.back()) {
            menuBar()->addMenu(buildLanguageMenu()); // before 帮助
        }
        menuBar()->addMenu(buildWindowMenu(menu, actionOf, recentMenu_, this));
    }

    // The summary is a window of its own beside the form: the menus' keys
    // (Ctrl+Z, Ctrl+PgDown, Ctrl+S, ...) work there as they do here.
    for (QAction* menuAction : menuBar()->actions()) {
        if (const QMenu* menu = menuAction->menu()) {
            summary_->addActions(menu->actions());
        }
    }
}

// Each language named as the window's language names it, the current one checked.
QMenu* MainWindow::buildLanguageMenu() {
    QMenu* menu = newWordsMenu(view_text::kLanguageMenu, view_text::kLanguageMenuKey, this);
    auto* group = new QActionGroup(menu);
    for (const auto& [language, words] :
         {std::pair{Language::Chinese, view_text::kChineseLanguage},
          std::pair{Language::English, view_text::kEnglishLanguage}}) {
        QAction* action = newWordsAction(words, group);
        action->setCheckable(true);
        action->setChecked(language == viewLanguage());
        connect(action, &QAction::triggered, this,
                [this, chosen = language] { setLanguage(chosen); });
        menu->addAction(action);
        languages_[language] = action;
    }
    return menu;
}

void MainWindow::setLanguage(Language language) {
    languages_.at(language)->setChecked(true);
    storeLanguage(language);
    if (language == viewLanguage()) {
        return;
    }
    setViewLanguage(language);
    showToolkitWordsIn(language);
    showWordsAgain(*this);
    form_->showWordsAgain();
    roomSelector_->showWordsAgain();
    summary_->showWordsAgain();
    showDesignState();
}

// The room pieces hand the designer's commands to the session themselves;
// the session's word after each one brings them all up to date.
void MainWindow::buildRooms() {
    roomCommands_ = new RoomCommands(session_, roomDialogs_, this);
    roomSelector_ = new RoomSelector(session_, this);
    menuBar()->setCornerWidget(roomSelector_, Qt::TopRightCorner);
    summary_ = new SummaryWindow(session_, this);
}

void MainWindow::editLibrary() {
    LibraryDialog dialog(
        session_,
        [this](const Library& personal) {
            if (personalFile_.isEmpty()) {
                return;
            }
            if (const auto error = writePersonalLibrary(personalFile_, personal)) {
                messages_.showMessage(
                    {std::string(kProgramName),
                     std::string(view_text::kCannotKeepPersonalLibrary) + error.message()});
            }
        },
        this);
    dialog.exec();
}

// --- Start-up ----------------------------------------------------------------------

void MainWindow::start(const QString& file) {
    const bool restored = recovery_ != nullptr && offerRecovery();
    if (file.isEmpty()) {
        if (!restored) {
            session_.start();
        }
        return;
    }
    if (!restored) {
        // Started with a file: the form it would open on, without the welcome box.
        session_.newDesign();
    } else if (absolute(file) == filePath()) {
        return; // the restored design is that file with the changes it lost
    }
    openFile(file);
}

bool MainWindow::offerRecovery() {
    // The copies left are offered one after another until the designer takes one.
    return std::ranges::any_of(recovery_->claimLeftFiles(), [this](const QString& left) {
        const QString when =
            QFileInfo(left).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        if (!carryOut(workflow_.offerRecovery(openDesignFile(fsPath(left)), when.toStdString()))) {
            recovery_->forget(left); // declined, or it could not be read
            return false;
        }
        if (writeRecovery()) {
            recovery_->forget(left); // kept safe in this program's file now
        }
        return true;
    });
}

// --- File commands -----------------------------------------------------------------

// Takes a request of the file workflow to its end, putting its questions to
// the designer and saving when asked to.
bool MainWindow::carryOut(WorkflowStep step) {
    for (;;) {
        switch (step.kind) {
        case WorkflowStep::Kind::Refused:
            messages_.showMessage(step.refusal);
            return false;
        case WorkflowStep::Kind::Ask:
            step = workflow_.answer(prompts_.ask(step.question));
            break;
        case WorkflowStep::Kind::SaveFirst:
            step = workflow_.saved(save());
            break;
        case WorkflowStep::Kind::Done:
            return step.carriedOut;
        }
    }
}

bool MainWindow::newDesign() {
    return carryOut(workflow_.newDesign());
}

bool MainWindow::openDesign() {
    const QString folder = filePath().isEmpty() ? QDir::homePath() : QFileInfo(filePath()).path();
    const QString path = prompts_.askOpenFile(folder);
    return !path.isEmpty() && openFile(path);
}

bool MainWindow::openFile(const QString& path) {
    const QString file = absolute(path);
    if (!carryOut(workflow_.open(file.toStdString(), openDesignFile(fsPath(path))))) {
        return false;
    }
    rememberRecent(file);
    return true;
}

bool MainWindow::save() {
    return filePath().isEmpty() ? saveAs() : saveTo(filePath());
}

bool MainWindow::saveAs() {
    const QString suggested = filePath().isEmpty()
                                  ? QDir::home().filePath(qtext(workflow_.suggestedFileName()))
                                  : filePath();
    const QString path = prompts_.askSaveFile(suggested);
    return !path.isEmpty() &&
           saveTo(qtext(DocumentWorkflow::withDesignExtension(path.toStdString())));
}

bool MainWindow::saveTo(const QString& path) {
    const QString file = absolute(path);
    if (const auto refused = workflow_.saveTo(fsPath(path), file.toStdString(), *calls_)) {
        messages_.showMessage(*refused);
        return false;
    }
    rememberRecent(file);
    showDesignState();
    return true;
}

void MainWindow::editProjectInfo() {
    if (const auto info = prompts_.askProjectInfo(session_.project().info)) {
        session_.setProjectInfo(*info);
    }
}

// --- Title and recovery ------------------------------------------------------------

// Any verb may change what the room pieces show: a computed form changes the
// summary, a room switch the menu's enabled entries.
void MainWindow::sessionChanged() {
    roomCommands_->refresh();
    roomSelector_->refresh();
    summary_->refresh();
    showDesignState();
}

void MainWindow::showDesignState() {
    // The title is the file's name with the modified mark; the platform adds
    // the program's name.
    setWindowFilePath(filePath().isEmpty() ? shown(workflow_.shownName()) : filePath());
    const bool modified = session_.isModified();
    setWindowModified(modified);
    if (recovery_ == nullptr) {
        return;
    }
    if (modified) {
        recoveryTimer_.start(); // written once the designer pauses
    } else {
        recoveryTimer_.stop();
        recovery_->remove();
    }
}

bool MainWindow::writeRecovery() {
    recoveryTimer_.stop();
    if (recovery_ == nullptr || !session_.isModified()) {
        return false;
    }
    if (const std::error_code failed = recovery_->write(workflow_.recoveryCopy())) {
        // Not worth a box in the designer's way: the design itself is untouched.
        std::cerr << "gelvant: cannot write the recovery file " << recovery_->file().toStdString()
                  << ": " << failed.message() << '\n';
        return false;
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!carryOut(workflow_.leave())) {
        event->ignore();
        return;
    }
    recoveryTimer_.stop();
    if (recovery_ != nullptr) {
        recovery_->remove();
    }
    event->accept();
}

// --- Recent files and dropped files -----------------------------------------------------

QStringList MainWindow::recentFiles() {
    return storedRecent();
}

// Filled each time it opens (never from one of its own entries, which
// clearing it would delete while they run), so that it shows which files
// are there now.
void MainWindow::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = storedRecent();
    bool anyMissing = false;
    for (int i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        connect(entry, &QAction::triggered, this, [this, path] { openFile(path); });
        const bool missing = !QFileInfo::exists(path);
        entry->setEnabled(!missing); // greyed: the file is no longer there
        anyMissing = anyMissing || missing;
    }
    if (files.isEmpty()) {
        recentMenu_->addAction(gelvant::shown(document_text::kNoRecentFiles))->setEnabled(false);
    }
    recentMenu_->addSeparator();
    QAction* forget = recentMenu_->addAction(
        windowLabel(document_text::kForgetMissingFiles, document_text::kForgetMissingFilesKey),
        this, &forgetMissingRecent);
    forget->setEnabled(anyMissing);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!draggedFile(*event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = draggedFile(*event->mimeData());
    if (file.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: the file may ask about unsaved changes.
    QTimer::singleShot(0, this, [this, file] { openFile(file); });
}

} // namespace gelvant
