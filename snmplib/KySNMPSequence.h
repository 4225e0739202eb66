#pragma once

// One sequence of reads that ask the same agent in a row, such as the start-up's: while one lives, an
// agent that let a request time out fails every later request at once with that time-out instead of
// making each wait out its own tries. The failures are reported as before, only without the wait.
class KySNMPSequence {
public:
    KySNMPSequence();
    ~KySNMPSequence();
    KySNMPSequence(const KySNMPSequence&) = delete;
    KySNMPSequence& operator=(const KySNMPSequence&) = delete;
};
