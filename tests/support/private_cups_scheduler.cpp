#include "support/private_cups_scheduler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::test {

namespace {

constexpr auto kGenericPdfDriver = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

void PrivateCupsScheduler::DirectClientsTo(const QString& folder) {
    qputenv("CUPS_SERVER", QDir(folder).filePath(QStringLiteral("cups.sock")).toLocal8Bit());
    // Client settings and the user's default printer are read from these; keep both inside.
    qputenv("CUPS_SERVERROOT", folder.toLocal8Bit());
    qputenv("HOME", folder.toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

PrivateCupsScheduler::PrivateCupsScheduler(const QString& folder)
    : m_socket(QDir(folder).filePath(QStringLiteral("cups.sock"))) {
    QDir parent(folder);
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("run%1").arg(n);
        if (!parent.exists(name) && parent.mkdir(name)) {
            m_folder = parent.filePath(name);
            return;
        }
    }
}

PrivateCupsScheduler::~PrivateCupsScheduler() {
    stop();
}

void PrivateCupsScheduler::stop() {
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    // The scheduler is this process's child: once it has exited, reaping it says so at once, and
    // the socket is free for the next one. (An exited child that nobody reaps still answers
    // kill(pid, 0), so that cannot tell.)
    if (!QTest::qWaitFor([this] { return reaped(); }, 10000)) {
        qWarning("the private CUPS scheduler did not stop");
        ::kill(m_pid, SIGKILL);
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    m_pid = 0;
}

bool PrivateCupsScheduler::reaped() {
    int status = 0;
    pid_t done = 0;
    while ((done = ::waitpid(m_pid, &status, WNOHANG)) < 0 && errno == EINTR) {
    }
    return done != 0; // the child, or an error: either way it is not running under this pid
}

bool PrivateCupsScheduler::listening() const {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(m_socket);
    std::memcpy(address.sun_path, name.constData(),
                std::min<std::size_t>(name.size(), sizeof address.sun_path - 1));
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

QString PrivateCupsScheduler::path(const QString& name) const {
    return QDir(m_folder).filePath(name);
}

QString PrivateCupsScheduler::log() const {
    QFile file(path(QStringLiteral("error_log")));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(no error log)");
    return QString::fromLocal8Bit(file.readAll().right(4000));
}

bool PrivateCupsScheduler::run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_failure = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) +
                    QStringLiteral(" failed: ") + process.errorString() + QLatin1Char(' ') +
                    QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }
    return true;
}

bool PrivateCupsScheduler::start() {
    // The filters run as the scheduler's unprivileged user, which must reach the spool.
    const auto reachable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                           QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                           QFileDevice::ReadOther | QFileDevice::ExeOther;
    QFile::setPermissions(QFileInfo(m_folder).path(), reachable);
    QFile::setPermissions(m_folder, reachable);
    for (const char* sub : {"spool", "cache", "state"})
        QDir(m_folder).mkpath(QLatin1String(sub));
    const QString d = m_folder;
    const bool written =
        writeText(path(QStringLiteral("cupsd.conf")),
                  QStringLiteral("Listen %1\nLogLevel info\nWebInterface No\n"
                                 "Browsing No\nDefaultShared No\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 // Only this process reaches the socket: no operation needs a
                                 // password, so a developer without root can add the queues.
                                 "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                 "  </Limit>\n</Policy>\n")
                      .arg(m_socket)) &&
        writeText(path(QStringLiteral("cups-files.conf")),
                  QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool\n"
                                 "CacheDir %1/cache\nStateDir %1/state\nErrorLog %1/error_log\n"
                                 "AccessLog %1/access_log\nPageLog %1/page_log\nFileDevice Yes\n")
                      .arg(d));
    if (!written) {
        m_failure = QStringLiteral("cannot write the scheduler's configuration into ") + d;
        return false;
    }
    if (!QFile::exists(QStringLiteral("/usr/sbin/cupsd"))) {
        m_failure = QStringLiteral("/usr/sbin/cupsd is not installed (package cups-daemon)");
        return false;
    }
    // Kept in the foreground (-f), the scheduler stays this process's child, which stop() reaps;
    // it is ready once its socket takes a connection.
    const QByteArray conf = QFile::encodeName(path(QStringLiteral("cupsd.conf")));
    const QByteArray files = QFile::encodeName(path(QStringLiteral("cups-files.conf")));
    const QByteArray output = QFile::encodeName(path(QStringLiteral("cupsd-output")));
    const char* const arguments[] = {"cupsd",           "-f",   "-c", conf.constData(), "-s",
                                     files.constData(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, "/usr/sbin/cupsd", &actions, nullptr,
                                      const_cast<char* const*>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        m_failure = QStringLiteral("/usr/sbin/cupsd could not be started: ") +
                    QString::fromLocal8Bit(std::strerror(spawned));
        return false;
    }
    m_pid = pid;
    bool gone = false;
    const bool ready = QTest::qWaitFor([&] { return listening() || (gone = reaped()); }, 60000);
    if (!ready || gone) {
        if (gone)
            m_pid = 0;
        stop();
        QFile said(path(QStringLiteral("cupsd-output")));
        m_failure =
            QStringLiteral("the scheduler started but is not listening\n") +
            (said.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(said.readAll()) : QString()) +
            log();
        return false;
    }
    return true;
}

bool PrivateCupsScheduler::addPdfPrinter(const QString& name, const QString& outputName) {
    return run(QStringLiteral("lpadmin"),
               {QStringLiteral("-h"), m_socket, QStringLiteral("-p"), name, QStringLiteral("-E"),
                QStringLiteral("-v"), QStringLiteral("file://") + path(outputName),
                QStringLiteral("-P"), QLatin1String(kGenericPdfDriver), QStringLiteral("-o"),
                QStringLiteral("PageSize=A4")});
}

bool PrivateCupsScheduler::addDefaultPdfPrinter(const QString& name, const QString& outputName) {
    return addPdfPrinter(name, outputName) &&
           run(QStringLiteral("lpadmin"),
               {QStringLiteral("-h"), m_socket, QStringLiteral("-d"), name});
}

bool PrivateCupsScheduler::rejectJobs(const QString& name) {
    return run(QStringLiteral("cupsreject"), {QStringLiteral("-h"), m_socket, name});
}

bool PrivateCupsScheduler::pauseQueue(const QString& name) {
    return run(QStringLiteral("cupsdisable"), {QStringLiteral("-h"), m_socket, name});
}

bool PrivateCupsScheduler::resumeQueue(const QString& name) {
    return run(QStringLiteral("cupsenable"), {QStringLiteral("-h"), m_socket, name});
}

bool PrivateCupsScheduler::allJobsDone() {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-h"), m_socket, QStringLiteral("-o")});
    return lpstat.waitForFinished(10000) && lpstat.exitCode() == 0 &&
           lpstat.readAllStandardOutput().trimmed().isEmpty();
}

int PrivateCupsScheduler::completedJobs() {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-h"), m_socket, QStringLiteral("-W"),
                                            QStringLiteral("completed"), QStringLiteral("-o")});
    if (!lpstat.waitForFinished(10000) || lpstat.exitCode() != 0)
        return -1;
    const QByteArray listed = lpstat.readAllStandardOutput().trimmed();
    return listed.isEmpty() ? 0 : static_cast<int>(listed.count('\n')) + 1;
}

} // namespace orvane::test
