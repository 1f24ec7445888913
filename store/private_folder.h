#pragma once

class QString;

// Makes a folder for the user who runs the program alone, as the settings
// folder holds pass phrases: on POSIX systems mode 0700 whatever the umask;
// on Windows with an access list of its own (nothing inherited from the
// drive) that lets in that user, the system and the administrators, passed
// on to every file made in it. False when the folder could not be made.
bool MakePrivateFolder(const QString &path);
