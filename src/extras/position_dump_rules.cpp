#include "extras/position_dump_rules.h"

namespace quillan {

namespace {

void appendHand(std::string& text, std::string_view name, const Hand& hand) {
    for (long i = 0; i <= Hand::upperBound(); ++i) {
        text += name;
        text += '(' + std::to_string(i) + ").cardvalue = " + std::to_string(hand[i].cardvalue);
        text += '\n';
    }
}

} // namespace

std::string positionDumpText(const Hand& handplayer, const Hand& handComputer) {
    std::string text = "'player hand \n\n";
    appendHand(text, "handplayer", handplayer);
    text += "\n\n'computer hand \n";
    appendHand(text, "handComputer", handComputer);
    return text;
}

std::string positionSavedMessage(std::string_view path) {
    std::string message = "Position saved to.. \n";
    message += path;
    message += "\n\nUse this feature to report bugs\nPlease send this file with a short comment "
               "on what happened to ";
    message += kBugReportAddress;
    message += '.';
    return message;
}

} // namespace quillan
