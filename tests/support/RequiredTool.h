// A test that needs an outside tool (a word processor, poppler, a dictionary) skips on a
// developer's machine that lacks it, but fails in continuous integration, where the build
// script installs every such tool: a skipped check there would pass without having run.
#pragma once

#include <QtTest>

#define REQUIRE_TOOL(available, what)                                                                                  \
    do {                                                                                                               \
        if (!(available)) {                                                                                            \
            if (qEnvironmentVariableIsSet("CI"))                                                                       \
                QFAIL(what " is not installed, and continuous integration must run every check.");                     \
            QSKIP(what " is not installed: this check cannot run.");                                                   \
        }                                                                                                              \
    } while (false)
