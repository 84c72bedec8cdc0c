#pragma once

#include <QIcon>

// The program's icon in every size drawn for it (the PNGs under :/icons), for the window and the task bar.
QIcon kestrovaIcon();
