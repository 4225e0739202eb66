#include "PageRequest.h"

#include "KySNMPRequest2Edits.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace PageRequest {

bool Reading(const KySNMPRequest2Edits& binder) { return binder.Busy && binder.Request.Active; }

void Read(KySNMPRequest2Edits& binder) {
    // Made active while its last answer is on the way, a stopped walk would go on instead.
    if (binder.Busy && !binder.Request.Active) StopAndWait(binder);
    if (binder.Busy) return;
    binder.Request.Active = 1;
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
