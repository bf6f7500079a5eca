#pragma once
// A CUPS scheduler of the test's own: its configuration, spool and socket in one folder, file
// queues writing into that folder, and nothing shared with the machine's own printers.

#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace orvane::test {

// The folder where this test program's schedulers live, set up by its main before Qt starts.
extern QString g_schedulerFolder;

class PrivateCupsScheduler {
  public:
    // Points every CUPS client of this process at a socket in `folder`; call before the
    // QApplication is created, since Qt and libcups read the server once.
    static void DirectClientsTo(const QString& folder);

    // A scheduler listening in `folder` and keeping everything else in a fresh folder inside it,
    // so one process can start several in turn, each with no printer and no job.
    explicit PrivateCupsScheduler(const QString& folder);
    ~PrivateCupsScheduler();
    PrivateCupsScheduler(const PrivateCupsScheduler&) = delete;
    PrivateCupsScheduler& operator=(const PrivateCupsScheduler&) = delete;

    // Starts the scheduler and returns once it listens; false with failure() set otherwise.
    bool start();
    // Stops the scheduler and returns once it has gone, as when the print service is down.
    void stop();
    const QString& failure() const { return m_failure; }

    // Adds a PDF printer whose output is the file `outputName` in the folder. False with
    // failure() set when the scheduler refuses.
    bool addPdfPrinter(const QString& name, const QString& outputName);
    // The same, and makes it the default printer.
    bool addDefaultPdfPrinter(const QString& name, const QString& outputName);
    // Makes the queue refuse every new job, as an administrator may.
    bool rejectJobs(const QString& name);
    // Pauses the queue, which then holds the jobs it takes, and resumes it.
    bool pauseQueue(const QString& name);
    bool resumeQueue(const QString& name);
    // True once the scheduler has no job left to process.
    bool allJobsDone();
    // How many jobs the scheduler has finished handing to their queues' devices.
    int completedJobs();

    // A file in this scheduler's own folder.
    QString path(const QString& name) const;
    // The scheduler's error log, for failure messages.
    QString log() const;

  private:
    bool run(const QString& program, const QStringList& arguments);
    // Whether the scheduler, this process's child, has exited and been reaped.
    bool reaped();
    bool listening() const;

    QString m_socket;
    QString m_folder;
    QString m_failure;
    pid_t m_pid = 0;
};

} // namespace orvane::test
