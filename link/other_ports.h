#pragma once

// Whether a COM option may be pointed at a port other than its own. On
// Windows COM1 to COM4 are the system's ports of those names, while USB
// adapters get higher numbers (COM5, COM12): the user points an option at
// the adapter instead of renumbering it. Elsewhere the options follow the
// listed devices themselves.
bool OtherPortsOffered();
