#pragma once

#include <QIcon>

// The picture of the main toolbar's daily report button.
QIcon RaportObraz();
