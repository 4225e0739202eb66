#include "PageRequest.h"

#include "KySNMPRequest2Edits.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace PageRequest {

void Read(KySNMPRequest2Edits& binder) {
    binder.Request.Active = 1;
    if (binder.Busy) return;
    try {
        binder.Get();
    } catch (const std::exception& error) {
        binder.ShowStatus(error.what());
        binder.Request.Active = 1;
    }
}

void StopAndWait(KySNMPRequest2Edits& binder) {
    binder.Request.Active = 0;
    // Every try of the exchange in flight, and a little for the answer's way back.
    const qint64 limit = qint64(binder.Request.Timeout) * 10 * (binder.Request.Retries + 1) + 200;
    QElapsedTimer waited;
    waited.start();
    while (binder.Busy && waited.elapsed() < limit)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, int(limit - waited.elapsed()));
}

}  // namespace PageRequest
