#pragma once

class Lumaro;

// A whole-program check drives the real window through this: when the environment variable
// LUMARO_TEST_SCRIPT names a file, its lines are played after start-up, one after the other:
//   click <TAB> <button object name> [<TAB> <answer for the file dialog it opens> ...]
//   screenshot <TAB> <path of a PNG to write>
//   timeout <TAB> <seconds a click may keep a dialog open before it is closed>
// A click's answers go to the import commands' file dialogs (several paths answer a multi-file
// dialog; none cancels it). At the end the strips' content is written to standard error as
//   test-script: photos=<n> audio=<m>
//   test-script: photo <file name>  /  test-script: clip <file name>
//   test-script: done
// Without the variable nothing here runs.
namespace TestScript {
void startIfRequested(Lumaro* window);
}
