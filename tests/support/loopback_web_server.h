#pragma once
// A web server of the test's own, on 127.0.0.1 only: it answers every request with the bytes it is
// given (status line, headers and body as written, so a test can send a wrong length or a page of
// HTML), or keeps silent, over plain HTTP or over HTTPS with a certificate openssl makes for it.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QTcpServer>

#include <memory>

namespace orvane::test {

// "HTTP/1.1 200 OK" with its headers and `body`; `length` is announced as the body's length
// unless given.
QByteArray HttpResponse(int status, const char* reason, const char* contentType,
                        const QByteArray& body, qint64 length = -1);

// A certificate for 127.0.0.1 and its key, made once per test program by openssl; empty when
// openssl could not make them.
struct TestCertificate {
    QSslCertificate certificate;
    QSslKey key;
};
const TestCertificate& LoopbackCertificate();

class LoopbackWebServer final : public QObject {
  public:
    enum class Scheme { Http, Https };
    explicit LoopbackWebServer(Scheme scheme);
    ~LoopbackWebServer() override;

    bool listening() const;
    QString address(const char* path = "/thunderball/draw-history/csv") const;
    // Every request from now on gets `response`, then the connection is closed.
    void answer(QByteArray response);
    // Requests are read and never answered; the connection stays open.
    void keepSilent() { m_silent = true; }
    int requests() const { return m_requests; }

  private:
    void serve(QTcpSocket* socket);

    Scheme m_scheme;
    std::unique_ptr<QTcpServer> m_server;
    QByteArray m_response;
    bool m_silent = false;
    int m_requests = 0;
};

// An address on 127.0.0.1 where nothing listens: a port taken and given back.
QString AddressNobodyListensOn();

} // namespace orvane::test
