#pragma once
// File associations. The viewer registers its own extensions ".mire" and ".mre"
// (ProgID "tessmirefile") and takes ".jpeg" and ".jpg" over (ProgID
// "tessmirejpgfile"), keeping every handler it replaces in the settings store
// (sections "JPEG_"/"JPG_" + "HKROOT", "HKCURR", "HKLOCAL") so that it can give
// them back, and so that a JPEG that is not a page image can be handed to the
// program that opened it before.
//
// Registry failures are ignored throughout: nothing here throws or reports, and
// without write access the operations simply change nothing. Every key opened
// is closed before the call returns.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace mdlFileAssoc {

// The open command written for both ProgIDs: the folder of the running
// executable with "\tsviewer.exe", in double quotes, then " %1". The name is
// always "tsviewer.exe", whatever the running file is called.
std::string viewerCommand(platform::Shell& shell);

// Writes both ProgIDs with their type name, open command and the icon of
// whatever opens ".jpeg" now. Always notifies the shell.
void registerProgIds(platform::Registry& registry, platform::Shell& shell);

// Point ".mire" / ".mre" at "tessmirefile" in the classes root and in the
// machine's classes. Always notify the shell.
void associateMire(platform::Registry& registry, platform::Shell& shell);
void associateMre(platform::Registry& registry, platform::Shell& shell);

// Remove ".mire" / ".mre" (the machine's key, then the classes-root key) and
// try to remove "tessmirefile", which stays while it has subkeys. Always
// notify the shell.
void unassociateMire(platform::Registry& registry, platform::Shell& shell);
void unassociateMre(platform::Registry& registry, platform::Shell& shell);

// Deletes the per-user class keys and the shell-extension keys of ".jpeg" that
// would override the take-over; keys that still have subkeys stay. Both
// take-overs run it.
void clearJpegUserKeys(platform::Registry& registry);

// Take ".jpeg" / ".jpg" over: each place naming another handler (the classes
// root, the per-user ProgID and application choices, the machine's classes) is
// pointed at the viewer, and what it named is kept in the record. A place whose
// record already holds a handler keeps it, so repeated take-overs never lose
// the original. `files` tells a per-user application path that exists.
// Notifies the shell when anything was taken over.
void associateJpeg(platform::Registry& registry, platform::Files& files, platform::Shell& shell);
void associateJpg(platform::Registry& registry, platform::Files& files, platform::Shell& shell);

// Give ".jpeg" / ".jpg" back to the handlers in the record and empty it. A
// classes root for which nothing was kept stays with the viewer. Notify the
// shell when anything was given back.
void unassociateJpeg(platform::Registry& registry, platform::Shell& shell);
void unassociateJpg(platform::Registry& registry, platform::Shell& shell);

// Removes every value that still names one of the viewer's ProgIDs for the
// four extensions (the classes' defaults machine-wide and per user, the
// per-user Explorer choice, its UserChoice key, the "Open with" lists) and
// both ProgIDs with everything below them. For the uninstaller, after the
// "uninstall" verb has given back what it recorded. Always notifies the shell.
void removeLeftovers(platform::Registry& registry, platform::Shell& shell);

// 1 when no place read for `ext` names another handler, else 0. Only ".jpeg"
// and ".jpg", exactly so written, are judged as JPEG extensions (an empty place
// names no handler, so an unregistered ".jpg" gives 1); any other extension
// must name "tessmirefile" both in the classes root and in the machine's
// classes.
int16_t isAssociated(platform::Registry& registry, std::string_view ext);

// The ProgID of the choice the user made for `ext` in "Open with" or in
// Default apps (its UserChoice key), which Windows 8 and later follow rather
// than the classes; "" when there is none. Windows guards that choice, so no
// program sets it: only the user can, in Settings.
std::string userChoiceProgId(platform::Registry& registry, std::string_view ext);

// Whether a ProgID names the viewer: one of its ProgIDs, or its application
// entry ("Applications\tsviewer.exe"). Letter case is ignored.
bool namesViewer(std::string_view progId);

// Whether files with `ext` open with the viewer now: as the user's own
// choice says when there is one, else as isAssociated judges the classes.
bool opensWithViewer(platform::Registry& registry, std::string_view ext);

// Whether giving `ext` back has a handler to give its classes root back to:
// for ".jpeg" and ".jpg" one kept at take-over; the viewer's own extensions
// need none.
bool canGiveBack(platform::Registry& registry, std::string_view ext);

// The saved open command of the handler that opened files with `path`'s
// extension before the take-over (per-user first, then the machine's, then the
// classes root's), trimmed of blanks; "" when none is saved or when it would
// start this program again.
std::string findPreviousHandler(platform::Registry& registry, platform::Shell& shell,
                                std::string_view path);

// The saved ProgID of that handler, in the same order, where its record holds
// no open command (one the install could not read: a REG_EXPAND_SZ command,
// DelegateExecute, DDE, a packaged app); "" when the first record found has a
// command, or the ProgID is this program's own or opens with it.
std::string findPreviousProgId(platform::Registry& registry, platform::Shell& shell,
                               std::string_view path);

// The command line that opens `sFile` with the saved command `sComm`: its
// first "%1" (quoted or not) replaced by the path, every "%1" of a RUNDLL32
// line, or the path appended, quoted, when there is no placeholder. A path
// with blanks goes in quoted where the command leaves "%1" bare. A program
// path the command starts with in quotes keeps them; other quotes before the
// placeholder are dropped.
std::string getShellString(std::string_view sComm, std::string_view sFile);

}  // namespace mdlFileAssoc
