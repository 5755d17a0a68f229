#pragma once

#include <QByteArray>
#include <QString>

// The openers of the maker's web pages: each hands its one address to the desktop, which opens
// it in the default browser, and returns at once. Nothing is reported when it cannot be opened.
namespace modHelp {

void OpenHelpPage();
void OpenHomePage();
void OpenUpdatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();
void OpenOtherProgramsPage();

// True when `address` looks like an e-mail address: one "@" with text before it and a dotted
// host after it, no blanks.
bool LooksLikeEmail(const QString& address);
// The refer page with the three fields as percent-encoded query parameters.
QByteArray ReferAddress(const QString& yourName, const QString& friendName,
                        const QString& friendEmail);
// Opens the refer page with the fields filled in, when the friend's address looks like one;
// returns whether it did.
bool OpenReferPage(const QString& yourName, const QString& friendName, const QString& friendEmail);

} // namespace modHelp
