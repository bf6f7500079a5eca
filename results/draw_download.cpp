#include "results/draw_download.h"

#include "results/draw_history_import.h"

#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

#include <utility>

namespace orvane {

namespace {

// The site sending nothing for this long is taken as gone.
constexpr int kDefaultSilenceMs = 30'000;

bool isConnectionFailure(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyTimeoutError:
        return true;
    default:
        return false;
    }
}

// The operator's site answers an address it no longer serves with a page of its own, sometimes
// with status 200: a file that opens like HTML is that page, whatever the header says.
bool looksLikeWebPage(const std::string& bytes, const QString& contentType) {
    if (contentType.startsWith(QLatin1String("text/html"), Qt::CaseInsensitive))
        return true;
    std::size_t at = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < bytes.size() &&
           (bytes[at] == ' ' || bytes[at] == '\t' || bytes[at] == '\r' || bytes[at] == '\n'))
        ++at;
    return at < bytes.size() && bytes[at] == '<';
}

std::string text(const QString& s) {
    return s.toStdString();
}

} // namespace

DrawDownload::DrawDownload(QObject* parent) : QObject(parent) {
    // The proxy the desktop or the environment names, as a browser would use.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    m_silence.setSingleShot(true);
    m_silence.setInterval(kDefaultSilenceMs);
    connect(&m_silence, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_reply)
            m_reply->abort();
    });
}

DrawDownload::~DrawDownload() {
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void DrawDownload::start(const QUrl& address) {
    if (m_reply)
        cancel();
    if (!m_network)
        // Made on the first download only, so a window never used for it costs nothing.
        m_network = new QNetworkAccessManager(this);
    m_bytes.clear();
    m_timedOut = m_cancelled = m_tooLarge = false;

    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setRawHeader("Accept", "text/csv, text/plain;q=0.9, */*;q=0.1");
    if (!m_trusted.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(m_trusted);
        request.setSslConfiguration(tls);
    }
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, [this] { readSome(); });
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 got, qint64 total) {
        m_silence.start();
        Q_EMIT progressed(got, total);
    });
    connect(m_reply, &QNetworkReply::finished, this, [this] { replyFinished(); });
    m_silence.start();
}

void DrawDownload::cancel() {
    if (!m_reply)
        return;
    m_cancelled = true;
    m_reply->abort();
}

void DrawDownload::readSome() {
    m_silence.start();
    const QByteArray got = m_reply->readAll();
    if (m_bytes.size() + static_cast<std::size_t>(got.size()) > kMostDrawFileBytes) {
        m_tooLarge = true;
        m_reply->abort();
        return;
    }
    m_bytes.append(got.constData(), static_cast<std::size_t>(got.size()));
}

void DrawDownload::replyFinished() {
    m_silence.stop();
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    if (reply->bytesAvailable() > 0 && !m_tooLarge && !m_cancelled && !m_timedOut)
        readSome();
    DownloadOutcome outcome;
    const QNetworkReply::NetworkError error = reply->error();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString reason =
        reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    const QString host = reply->url().host();
    if (m_cancelled) {
        outcome.failure = DownloadFailure::Cancelled;
    } else if (m_tooLarge) {
        outcome.failure = DownloadFailure::TooLarge;
        outcome.detail = "plus de 4 Mo";
    } else if (m_timedOut || error == QNetworkReply::TimeoutError) {
        outcome.failure = DownloadFailure::TimedOut;
        outcome.detail =
            "rien re\u00E7u pendant " + std::to_string((m_silence.interval() + 999) / 1000) + " s";
    } else if (status >= 400) {
        outcome.failure = DownloadFailure::HttpError;
        outcome.detail = text(reason.isEmpty() ? QString::number(status)
                                               : QStringLiteral("%1 %2").arg(status).arg(reason));
    } else if (error == QNetworkReply::SslHandshakeFailedError) {
        outcome.failure = DownloadFailure::TlsError;
        outcome.detail = text(reply->errorString());
    } else if (isConnectionFailure(error)) {
        outcome.failure = DownloadFailure::NoConnection;
        outcome.detail = text(host);
    } else if (error != QNetworkReply::NoError && !m_bytes.empty()) {
        outcome.failure = DownloadFailure::Truncated;
        outcome.detail = std::to_string(m_bytes.size()) + " octets re\u00E7us";
    } else if (error != QNetworkReply::NoError) {
        outcome.failure = DownloadFailure::NoConnection;
        outcome.detail = text(host) + " : " + text(reply->errorString());
    } else if (announced > 0 && static_cast<qint64>(m_bytes.size()) < announced) {
        outcome.failure = DownloadFailure::Truncated;
        outcome.detail =
            std::to_string(m_bytes.size()) + " octets re\u00E7us sur " + std::to_string(announced);
    } else if (looksLikeWebPage(m_bytes,
                                reply->header(QNetworkRequest::ContentTypeHeader).toString())) {
        outcome.failure = DownloadFailure::WebPage;
    } else {
        outcome.bytes = std::move(m_bytes);
    }
    m_bytes.clear();
    m_reply = nullptr;
    reply->deleteLater();
    finish(std::move(outcome));
}

void DrawDownload::finish(DownloadOutcome outcome) {
    Q_EMIT finished(outcome);
}

} // namespace orvane
