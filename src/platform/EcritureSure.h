#pragma once

#include <string>

#include "platform/Exception.h"

// A file that could not be written; the message is the reason, in the user's language when the
// string table has a text for it, in the system's words otherwise.
TW_EXCEPTION(ErreurDEcriture);

// Replaces a file's whole content so that it is never lost nor half written: the text goes to a
// temporary file of a name no other file has, beside the target (same file system), is flushed
// to the disk and only then renamed over the target. The target keeps its permissions; a
// symbolic link stays and the file it points to is replaced; a file made read-only is refused
// rather than replaced behind the user's back. Throws ErreurDEcriture and leaves the target as
// it was.
void ecritFichierSurement(const std::string& chemin, const std::string& contenu);
