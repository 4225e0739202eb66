#pragma once

class KySNMPRequest2Edits;

// What every part of a page does with its binding object in the same way.
namespace PageRequest {

// Reads the page's data unless a read of this binding object still runs (never two walks on one list);
// a refused read is reported on the status line.
void Read(KySNMPRequest2Edits& binder);
// Stops a running walk and waits for the exchange in flight, no longer than every try of the request
// takes; the message loop runs meanwhile.
void StopAndWait(KySNMPRequest2Edits& binder);

}  // namespace PageRequest
