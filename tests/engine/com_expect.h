// Expecting an engine call to fail with a particular status.
#pragma once

#include <gtest/gtest.h>

#include "vdxml/platform/com_error.h"

/// Runs statement and expects it to raise _com_error carrying status.
#define EXPECT_COM_ERROR(status, statement)                                     \
    do {                                                                        \
        try {                                                                   \
            statement;                                                          \
            ADD_FAILURE() << "no _com_error from: " #statement;                 \
        } catch (const _com_error& error_) {                                    \
            EXPECT_EQ(static_cast<long>(status), error_.Error()) << #statement; \
        }                                                                       \
    } while (false)
