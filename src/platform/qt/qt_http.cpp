#include "platform/qt/qt_http.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QTimer>

#include "platform/qt/gui_thread.h"

namespace flenmark {

bool QtHttp::get(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs) {
    // Qt Network lives on the GUI thread: a request asked from the tick's thread goes there.
    return OnGuiThread([&] { return getHere(url, maxBytes, sink, timeoutMs); });
}

bool QtHttp::getHere(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs) {
    QNetworkRequest request(QUrl::fromEncoded(QByteArray::fromStdString(url)));
    // A redirect may not take the request (and what its address carries) to another server.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    QNetworkReply* reply = manager_.get(request);
    reply->setReadBufferSize(64 * 1024);
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    uint64_t received = 0;
    bool refused = false;
    auto take = [&] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (refused || status < 200 || status >= 300) return;  // a redirect's body is not ours
        const QByteArray piece = reply->readAll();
        received += static_cast<uint64_t>(piece.size());
        refused = received > maxBytes ||
                  !sink(std::string_view(piece.constData(), static_cast<size_t>(piece.size())));
        if (refused) loop.quit();
    };
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    QEventLoop* outer = waiting_;
    waiting_ = &loop;
    if (!reply->isFinished()) loop.exec();
    waiting_ = outer;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->isFinished()) take();
    const bool ok = reply->isFinished() && !refused && reply->error() == QNetworkReply::NoError &&
                    status >= 200 && status < 300;
    if (!reply->isFinished()) reply->abort();
    reply->deleteLater();
    return ok;
}

void QtHttp::cancel() {
    if (waiting_) waiting_->quit();
}

}  // namespace flenmark
