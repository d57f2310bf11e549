// Small dialog utilities every page and dialog uses: strings and bitmaps of
// the resource library on controls, window placement and balloon tips on
// edit controls.
#pragma once

#include <windows.h>

#include <string>

#include "support/ResourceStrings.h"

// Loads bitmap `bitmapId` of `module` (shared; transparent when asked),
// sets it on static control `controlId` and deletes the image the control
// held before.
void SetControlImage(HWND hDlg, HINSTANCE module, UINT bitmapId, int controlId, bool transparent);

// Sets the text of control `controlId` to string `stringId` (up to 259
// characters; empty when the string is missing).
void SetDlgItemTextFromResource(HWND hDlg, HINSTANCE module, int controlId, UINT stringId);

// Moves `window` (keeping its size) so that it is centred over its owner.
// A window without owner stays where it is.
void CenterWindowOnOwner(HWND window);

// Moves `window` to the upper-left corner of `reference`, both children of
// `parent` (client coordinates of `parent`), keeping its own size.
void MoveWindowOver(HWND parent, HWND reference, HWND window, BOOL repaint);

// EM_SHOWBALLOONTIP on an edit control with the two strings of `module` and
// the error icon.
void ShowEditBalloonTip(HWND edit, HINSTANCE module, UINT titleId, UINT textId);

// EM_HIDEBALLOONTIP.
void HideEditBalloonTip(HWND edit);
