#pragma once

#include <QIcon>

// The picture of the chart windows' draw button and of the main toolbar's chart button.
QIcon WykresObraz();

// The picture of the main toolbar's daily report button.
QIcon RaportObraz();
