#pragma once
// Fetches the operator's draw file over the network, in the background: through the system's proxy
// settings, with a deadline on silence, progress as it comes, and a stop on request. It only
// fetches; what came is imported as a file is, by the history window.

#include "results/draw_download_texts.h"

#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;

namespace orvane {

class DrawDownload final : public QObject {
    Q_OBJECT
  public:
    explicit DrawDownload(QObject* parent = nullptr);
    ~DrawDownload() override;

    // How long the site may send nothing, once asked, before the download gives up.
    void setSilenceLimit(int milliseconds) { m_silence.setInterval(milliseconds); }
    // Certificates trusted beside the system's (the tests' own server); none in the program.
    void setExtraTrust(QList<QSslCertificate> certificates) { m_trusted = std::move(certificates); }

    bool running() const { return m_reply != nullptr; }
    // Starts fetching `address`; a download already running is cancelled first.
    void start(const QUrl& address);
    // Stops a download that runs; it finishes as cancelled.
    void cancel();

  Q_SIGNALS:
    // `total` is -1 while the size is not known.
    void progressed(long long received, long long total);
    void finished(const orvane::DownloadOutcome& outcome);

  private:
    void readSome();
    void replyFinished();
    void finish(DownloadOutcome outcome);

    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QTimer m_silence;
    QList<QSslCertificate> m_trusted;
    std::string m_bytes;
    bool m_timedOut = false;
    bool m_cancelled = false;
    bool m_tooLarge = false;
};

} // namespace orvane
