// The job type details dialog: the user code, user ID and password, or the
// job details that a job type needs, opened from the print settings page.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/PageParams.h"

// Returned while the dialog cannot be shown.
constexpr INT_PTR kJobTypeDetailsNotAvailable = -1;

// Opens the details dialog modally over `page` with `caption` (the job
// type's name and string 834), the page's parameters and the job type
// index. Returns the dialog's result, or kJobTypeDetailsNotAvailable.
//
// The dialog itself is not built yet: this entry point only logs the
// request and returns kJobTypeDetailsNotAvailable.
INT_PTR ShowJobTypeDetailsDialog(HINSTANCE resources, HWND page, const std::wstring& caption,
                                 PAGEPARAMS* params, uint32_t jobType);
