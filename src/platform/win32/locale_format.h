// The locale's date and time pictures (LOCALE_SSHORTDATE, LOCALE_STIMEFORMAT)
// rewritten in the pattern letters LocaleFormats uses:
//   date  d dd ddd dddd (day), M.. -> m mm mmm mmmm (month), y/yy -> yy,
//         yyy and longer -> yyyy, g gg (era) kept; the locale's date separator -> '/'.
//   time  h hh and H HH -> h hh (the AMPM marker, when present, makes it 12-hour),
//         m mm -> n nn, s ss kept, t tt -> AMPM; the locale's time separator -> ':'.
// Quoted literals stay literal (re-quoted with double quotes), and any other
// letter is quoted too so that it cannot be read as a pattern letter.
#pragma once

#include <string>

namespace sv::win32 {

std::string shortDateFromPicture(const std::string& picture, const std::string& dateSeparator);
std::string longTimeFromPicture(const std::string& picture, const std::string& timeSeparator);

// A separator the locale gives as text, as the one byte LocaleFormats keeps: an
// ASCII character as it is, the Unicode spaces (no-break, narrow no-break, thin)
// as a plain space; anything else (or nothing) gives `fallback`.
char separatorChar(const std::string& utf8, char fallback);

}  // namespace sv::win32
