#pragma once
// What the windows above hand down to the floors below them, installed once
// at start (and by the tests' main): how the main menu is shown again, the
// year on show in the slip workbench's year chooser, the slip form as the
// import lookups' target and as what a slip print reads, and the register
// card each register restore empties.

void InstallHandDowns();
