#pragma once
// Where the five database files are and the connection texts that open them. The files live in
// the program's own folder; the command-line tool and the tests may point elsewhere.
#include <string>

namespace yav {

// Folder of the running executable, ending in '/'.
std::string programFolder();

// Folder the database files are read from: the program folder unless set otherwise.
std::string dataFolder();
void setDataFolder(const std::string& folder);

// Connection texts, one per database file, for a query to open its own connection.
std::string connStrFor(const char* fileName);
inline std::string ConnStrCode() { return connStrFor("YavCode.dll"); }
inline std::string ConnStrDream() { return connStrFor("dream.dll"); }
inline std::string ConnStrFile() { return connStrFor("QorFile.dll"); }
inline std::string ConnStrBirth() { return connStrFor("QorBirth.dll"); }
inline std::string ConnStrTgcode() { return connStrFor("Tgcode.dll"); }

} // namespace yav
