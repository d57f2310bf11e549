// The paper page's link to the installable options of the printer: the
// filter that removes trays and output bins that are not installed from the
// page's lists, and whether the options were changed on the device options
// page in this sheet (m_bInstallableOptionsUpdated of the sheet session).
//
// The installable options list and its editing belong to the device options
// page. Until that page provides the list, the filter knows of no uninstalled
// unit: it removes nothing, and the flag is never set.
#pragma once

#include <windows.h>

struct PAGEPARAMS;

// Removes from list `controlId` of `hDlg` the entries of units that are not
// installed; returns how many it removed.
int FilterUninstalledTrays(HWND hDlg, int controlId, const PAGEPARAMS* params);

// The user installed or uninstalled a unit in this sheet.
bool InstallableOptionsUpdated(const PAGEPARAMS* params);
