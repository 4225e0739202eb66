#include "KySNMPSequence.h"

#include "KySNMPTransport.h"

KySNMPSequence::KySNMPSequence() { KySNMPTransport::beginSequence(); }

KySNMPSequence::~KySNMPSequence() { KySNMPTransport::endSequence(); }
