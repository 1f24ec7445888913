#pragma once

class QCoreApplication;

// Makes SIGINT and SIGTERM quit the application's event loop, so that the
// program ends through its normal clean-up. Call once, before exec().
void QuitOnTerminationSignals(QCoreApplication &app);
