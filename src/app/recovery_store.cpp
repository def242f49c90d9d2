#include "app/recovery_store.h"

#include "document/atomic_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>

namespace gelvant {
namespace {

constexpr const char* kPattern = "recovery-*.gelvant";

QString lockName(const QString& file) {
    return file + QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> tryLock(const QString& file) {
    auto lock = std::make_unique<QLockFile>(lockName(file));
    // A lock is stale only when the program that took it has ended, however
    // long a design has been open.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        return nullptr;
    }
    return lock;
}

} // namespace

RecoveryStore::RecoveryStore() : RecoveryStore(defaultFolder()) {}

RecoveryStore::RecoveryStore(QString folder) : folder_(std::move(folder)) {
    // Unique among the programs running now and those that ran before.
    file_ = QDir(folder_).filePath(QStringLiteral("recovery-%1-%2.gelvant")
                                       .arg(QCoreApplication::applicationPid())
                                       .arg(QDateTime::currentMSecsSinceEpoch()));
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultFolder() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    // The generic folder, so that the place does not change with the Qt version.
    return QStandardPaths::writableLocation(QStandardPaths::GenericStateLocation) +
           QStringLiteral("/gelvant");
#else
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/gelvant");
#endif
}

std::error_code RecoveryStore::write(std::string_view copy) {
    if (!QDir().mkpath(folder_)) {
        return std::make_error_code(std::errc::permission_denied);
    }
    if (!lock_) {
        lock_ = tryLock(file_);
        if (!lock_) {
            return std::make_error_code(std::errc::device_or_resource_busy);
        }
    }
    return writeFileAtomically(QFile::encodeName(file_).toStdString(), copy);
}

void RecoveryStore::remove() {
    QFile::remove(file_);
    lock_.reset(); // unlocking removes the lock file
}

QStringList RecoveryStore::claimLeftFiles() {
    QFileInfoList found =
        QDir(folder_).entryInfoList({QString::fromLatin1(kPattern)}, QDir::Files, QDir::Time);
    QStringList left;
    for (const QFileInfo& info : found) {
        const QString file = info.absoluteFilePath();
        const bool claimed = std::any_of(claimed_.begin(), claimed_.end(),
                                         [&](const auto& entry) { return entry.first == file; });
        if (file == QFileInfo(file_).absoluteFilePath() || claimed) {
            continue;
        }
        if (auto lock = tryLock(file)) {
            claimed_.emplace_back(file, std::move(lock));
            left << file;
        }
    }
    return left;
}

void RecoveryStore::forget(const QString& leftFile) {
    const auto entry = std::find_if(claimed_.begin(), claimed_.end(),
                                    [&](const auto& claimed) { return claimed.first == leftFile; });
    if (entry == claimed_.end()) {
        return;
    }
    QFile::remove(leftFile);
    claimed_.erase(entry);
}

} // namespace gelvant
