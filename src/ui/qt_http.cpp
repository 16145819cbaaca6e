#include "ui/qt_http.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QTimer>

namespace flenmark::ui {

std::optional<std::string> QtHttp::fetch(const std::string& url) {
    QNetworkRequest request(QUrl::fromEncoded(QByteArray::fromStdString(url)));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager_.get(request);
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs_);
    QEventLoop* outer = waiting_;
    waiting_ = &loop;
    loop.exec();
    waiting_ = outer;
    std::optional<std::string> body;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->isFinished() && reply->error() == QNetworkReply::NoError && status >= 200 &&
        status < 300)
        body = reply->readAll().toStdString();
    else
        reply->abort();
    reply->deleteLater();
    return body;
}

void QtHttp::cancel() {
    if (waiting_) waiting_->quit();
}

}  // namespace flenmark::ui
