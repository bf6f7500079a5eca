#include "support/loopback_web_server.h"

#include "support/temp_folder.h"

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpSocket>

namespace orvane::test {

QByteArray HttpResponse(int status, const char* reason, const char* contentType,
                        const QByteArray& body, qint64 length) {
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + " " + reason + "\r\n";
    response += "Content-Type: " + QByteArray(contentType) + "\r\n";
    response += "Content-Length: " + QByteArray::number(length < 0 ? body.size() : length) + "\r\n";
    response += "Connection: close\r\n\r\n";
    return response + body;
}

const TestCertificate& LoopbackCertificate() {
    static const TestCertificate made = [] {
        TestCertificate result;
        TempFolder folder;
        const QString cert = QString::fromStdString(folder.file("cert.pem"));
        const QString key = QString::fromStdString(folder.file("key.pem"));
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                       "-nodes", "-keyout", key, "-out", cert, "-days", "2", "-subj",
                       "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
        if (!openssl.waitForFinished(60'000) || openssl.exitCode() != 0)
            return result;
        QFile certFile(cert);
        QFile keyFile(key);
        if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
            return result;
        result.certificate = QSslCertificate(certFile.readAll(), QSsl::Pem);
        result.key = QSslKey(keyFile.readAll(), QSsl::Ec, QSsl::Pem);
        return result;
    }();
    return made;
}

LoopbackWebServer::LoopbackWebServer(Scheme scheme) : m_scheme(scheme) {
    if (scheme == Scheme::Https) {
        auto server = std::make_unique<QSslServer>();
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(LoopbackCertificate().certificate);
        tls.setPrivateKey(LoopbackCertificate().key);
        tls.setPeerVerifyMode(QSslSocket::VerifyNone);
        server->setSslConfiguration(tls);
        m_server = std::move(server);
    } else {
        m_server = std::make_unique<QTcpServer>();
    }
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection())
            serve(socket);
    });
    m_server->listen(QHostAddress::LocalHost);
}

LoopbackWebServer::~LoopbackWebServer() = default;

bool LoopbackWebServer::listening() const {
    return m_server->isListening();
}

QString LoopbackWebServer::address(const char* path) const {
    return QStringLiteral("%1://127.0.0.1:%2%3")
        .arg(m_scheme == Scheme::Https ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(m_server->serverPort())
        .arg(QLatin1String(path));
}

void LoopbackWebServer::answer(QByteArray response) {
    m_response = std::move(response);
    m_silent = false;
}

void LoopbackWebServer::serve(QTcpSocket* socket) {
    socket->setParent(this);
    auto request = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
        *request += socket->readAll();
        if (!request->contains("\r\n\r\n"))
            return;
        request->clear();
        ++m_requests;
        if (m_silent)
            return;
        socket->write(m_response);
        socket->disconnectFromHost();
    });
}

QString AddressNobodyListensOn() {
    QTcpServer taken;
    taken.listen(QHostAddress::LocalHost);
    const quint16 port = taken.serverPort();
    taken.close();
    return QStringLiteral("http://127.0.0.1:%1/thunderball/draw-history/csv").arg(port);
}

} // namespace orvane::test
