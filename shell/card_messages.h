// What both report cards tell the user about their records and the saving of their erasures.
#pragma once

#include <QString>

class Prompter;
struct CardRewrite;

// Asks whether to save the card's erasures; true on Yes. title: the card's own.
bool askToSaveCard(Prompter& prompter, const QString& title);
// Tells the user what a rewrite that did not simply succeed leaves them with; inProgress names
// the other kind's work ("exam", "review test"). True when the erasures were saved.
bool tellCardRewrite(Prompter& prompter, const CardRewrite& rewrite, const QString& inProgress);
// Tells the user, when a card opens over records of its kind that it cannot show, how many there
// are and that they are kept; nothing when there are none.
void tellUnshownRecords(Prompter& prompter, int count);
// Tells the user why the configuration file could not be read (error: the file error's
// description), and that the card opens empty and leaves the file as it is.
void tellUnreadableCardFile(Prompter& prompter, const QString& error);
