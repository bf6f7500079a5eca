#include "support/private_cups_scheduler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <csignal>

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
    ::kill(static_cast<pid_t>(m_pid), SIGTERM);
    // Let it finish writing and free the socket before the next one starts.
    if (!QTest::qWaitFor([this] { return ::kill(static_cast<pid_t>(m_pid), 0) != 0; }, 10000))
        qWarning("the private CUPS scheduler did not stop");
    m_pid = 0;
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
    // Without -f the scheduler returns only once it is listening, or has failed to.
    if (!run(QStringLiteral("/usr/sbin/cupsd"),
             {QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")), QStringLiteral("-s"),
              path(QStringLiteral("cups-files.conf"))})) {
        m_failure += QStringLiteral("\n") + log();
        return false;
    }
    QFile pidFile(path(QStringLiteral("state/cupsd.pid")));
    if (pidFile.open(QIODevice::ReadOnly))
        m_pid = pidFile.readAll().trimmed().toLongLong();
    if (m_pid <= 0 || !QFile::exists(m_socket)) {
        m_failure = QStringLiteral("the scheduler started but is not listening\n") + log();
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
