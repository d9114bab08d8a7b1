#include "LogFaenger.h"

#include "VOQ_Log.h"

namespace
{
std::string aus;
std::string fehler;

void Fangen(VOQ_Log::Strom strom, const std::string& text)
{
    (strom == VOQ_Log::FEHLERAUSGABE ? fehler : aus) += text;
}
}

LogFaenger::LogFaenger()
{
    Leeren();
    VOQ_Log::SetzeSenke(Fangen);
}

LogFaenger::~LogFaenger()
{
    VOQ_Log::SetzeSenke(nullptr);
}

const std::string& LogFaenger::Aus() const { return aus; }
const std::string& LogFaenger::Fehler() const { return fehler; }

void LogFaenger::Leeren()
{
    aus.clear();
    fehler.clear();
}
