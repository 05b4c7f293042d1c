#pragma once

class Lumaro;

// A whole-program check drives the real window through this: when the environment variable
// LUMARO_TEST_SCRIPT names a file, its lines are played after start-up, one after the other:
//   click <TAB> <button object name> [<TAB> <answer for the file dialog it opens> ...]
//   key <TAB> <key, as "Ctrl+Right"> [<TAB> <answer for the file dialog it opens> ...]
//   tab-to <TAB> <object name>
//   screenshot <TAB> <path of a PNG to write>
//   open-menu
//   timeout <TAB> <seconds a click may keep a dialog open before it is closed>
//   action <TAB> <menu action object name> [<TAB> <answer for the file dialog it opens>]
//   answer <TAB> <button or button box object name> [<TAB> <field object name>=<value> ...]
//   respond <TAB> <button or button box object name> [<TAB> <field object name>=<value> ...]
//   wait-publish <TAB> <seconds>
//   wait-idle <TAB> <seconds>
//   wait-document <TAB> <seconds> <TAB> <project file name>
// A click's or an action's answers go to the file dialogs of the import and document commands
// (several paths answer a multi-file dialog; none cancels it). "answer" prepares the next dialog
// that shows that button: its line edits and editable combo boxes get the values ("#<n>" picks a
// combo box's row), then the button (or the box's OK) is pressed; "respond" does the same for a
// dialog that is already open or opens by itself (the question at start-up). "wait-publish"
// waits for the running publish and says
//   test-script: published ok  /  test-script: published failed  /  test-script: no publish
// "key" types the key into the widget that has the keyboard focus, shortcuts first, as a key
// press of the user's would; it goes on once what the key started (a dialog) has ended, and says
//   test-script: focus <object name of the widget that has the focus then>
// "tab-to" types Tab until that widget has the focus (at most 40 times), each Tab a "key".
// "open-menu" opens the title button's menu and goes on while it is open (for screenshots of
// the whole screen). "wait-idle" waits until no dialog is open and no project is being opened;
// "wait-document" until that project file is the open one, and says
//   test-script: opened <file name>  /  test-script: not opened <file name>
// At the end the strips' content, the document's and the workspace are written to standard
// error as
//   test-script: photos=<n> audio=<m>
//   test-script: photo <file name>  /  test-script: clip <file name>
//   test-script: document photos=<n> clips=<m> modified=<0|1> project=<file name>
//   test-script: document photo <file name>
//   test-script: workspace <folder>
//   test-script: done
// Without the variable nothing here runs.
namespace TestScript {
void startIfRequested(Lumaro* window);
}
