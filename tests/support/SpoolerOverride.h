#pragma once
#include "SpoolerApi.h"

// Replaces the spooler table for one test and restores the real functions afterwards.
class SpoolerOverride {
public:
    SpoolerOverride() : m_saved(g_SpoolerApi) {}
    ~SpoolerOverride() { g_SpoolerApi = m_saved; }
    SpoolerOverride(const SpoolerOverride&) = delete;
    SpoolerOverride& operator=(const SpoolerOverride&) = delete;

    SpoolerApi& Api() { return g_SpoolerApi; }

private:
    SpoolerApi m_saved;
};
