#pragma once

#include "app/documentflow.h"
#include "app/lumaro.h"

// For checks that close a window whose slideshow they changed: the question about the unsaved
// changes is answered "Discard" instead of waiting for a person.
inline void discardUnsavedOnClose(Lumaro& window)
{
    DocumentFlow::Dialogs dialogs = window.documentFlow()->currentDialogs();
    dialogs.askUnsaved = [](QWidget*, const QString&) { return DocumentFlow::Answer::Discard; };
    window.documentFlow()->setDialogs(dialogs);
}
