#pragma once

#include "device/discovery.h"

// The same reading of a discovery output as parseDiscoveryOutput, done the slow and
// obvious way with QRegExp and its two patterns. The tests, the fuzzer and the benchmark
// hold the fast reader against it.
DiscoveryResult parseDiscoveryOutputWithQRegExp(const QString &output);
