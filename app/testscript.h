#pragma once

class Lumaro;

// A whole-program check drives the real window through this: when the environment variable
// LUMARO_TEST_SCRIPT names a file, its lines are played after start-up, one after the other:
//   click <TAB> <button object name> [<TAB> <answer for the file dialog it opens> ...]
//   screenshot <TAB> <path of a PNG to write>
//   timeout <TAB> <seconds a click may keep a dialog open before it is closed>
//   action <TAB> <menu action object name>
//   answer <TAB> <button or button box object name> [<TAB> <field object name>=<value> ...]
//   wait-publish <TAB> <seconds>
// A click's answers go to the import commands' file dialogs (several paths answer a multi-file
// dialog; none cancels it). "answer" prepares the next dialog that shows that button: its line
// edits and editable combo boxes get the values ("#<n>" picks a combo box's row), then the
// button (or the box's OK) is pressed. "wait-publish" waits for the running publish and says
//   test-script: published ok  /  test-script: published failed  /  test-script: no publish
// At the end the slideshow's content and the workspace are written to standard error as
//   test-script: photos=<n> audio=<m>
//   test-script: photo <file name>  /  test-script: clip <file name>
//   test-script: workspace <folder>
//   test-script: done
// Without the variable nothing here runs.
namespace TestScript {
void startIfRequested(Lumaro* window);
}
