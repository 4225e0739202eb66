#pragma once

class KySNMPRequest2Edits;

// What every part of a page does with its binding object in the same way.
namespace PageRequest {

// Whether a read of this binding object runs and goes on; a stopped one only waits for its last answer.
bool Reading(const KySNMPRequest2Edits& binder);
// Reads the page's data unless a read of this binding object still runs (never two walks on one list).
// A stopped read is let end first, so that a new one starts from the beginning. A refused read is
// reported on the status line.
void Read(KySNMPRequest2Edits& binder);
// Stops a running walk and waits for the exchange in flight, no longer than every try of the request
// takes; the message loop runs meanwhile.
void StopAndWait(KySNMPRequest2Edits& binder);

}  // namespace PageRequest
