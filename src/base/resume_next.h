#pragma once
// For procedures where a failing statement is skipped and the next one runs.

#include "base/app_error.h"

namespace base {

// Runs `statement`; an AppError it raises is dropped.
template <typename Statement>
void resumeNext(Statement&& statement) {
    try {
        statement();
    } catch (const AppError&) {
    }
}

}  // namespace base
