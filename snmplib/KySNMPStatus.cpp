#include "KySNMPStatus.h"

#include <fstream>
#include <iterator>

namespace {

const char* const SNMPErrorTextsBuiltin[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const char* const SNMPv3ErrorTextsBuiltin[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const char* const SNMPUSMErrorTextsBuiltin[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const char* const SNMPClassErrorTextsBuiltin[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const char* const KySNMPErrorTextsBuiltin[] = {
    "Ok!",
    "Fail to read SNMP variables from file([FILENAME])!",
    "Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Cannot create the global KySNMP++ session!",
    "Error when loading SNMP engine boots counter!",
    "Error when saving SNMP engine boots counter!",
    "Invalid IP Address or DNS name!",
    "Can't send get-next command for a SNMP variable list with single value!",
    "Bad SNMP syntax!",
    "Null value in the expression!",
    "Bad SNMP syntax in the expression!",
    "Bad key count of SNMP variable list!",
    "Bad item type of SNMP variable list!",
    "Bad item type of associated SNMP variable list!",
    "Bad syntax of the associated SNMP variable's (partial) data!",
    "Bad value of the associated SNMP variable's (partial) data!",
    "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "Bad type of the associated visual control!",
    "Count of the associated visual controls is not enough!",
    "No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "Count of the value items for the chart's history data is not enough!",
    "Log database is not connected!",
    "Log database field not found!",
    "Bad syntax for the history chart of log!",
    "Unknown error code!",
};

const char* const SNMPStatusTemplatesBuiltin[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

const char* const CommonErrorTextsBuiltin[] = {
    " Ok!",
    " Bad logic operand!",
    " Bad format specifier of edit's constraint!",
    " Empty value is not allowed!",
    " Please enter a string whose length is less than [MAXLEN]!",
    " Please enter a string whose length is [LEN]!",
    " Please enter a hex string whose length is less than [MAXLEN]!",
    " Please enter a hex string whose length is [LEN]!",
    " Please enter a number between [MIN] and [MAX]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    " Out of range at index of array or list!",
    " Destination buffer is undersize!",
    " The source to dncrypt is not encrypted!",
    " Fail to read data from file([FILENAME])!",
    " Fail to write data to file([FILENAME])!",
    " Fail to write value in ini file([FILENAME])!",
    " Fail to read option data from file([FILENAME])!",
    " Please enter a valid IP address!",
    " Please enter a valid multicast IP address!",
    " Please enter a valid IPV6 address!",
    " Please enter a valid multicast IPV6 address!",
    " Please enter a valid MAC address!",
    " Please enter a valid multicast MAC address!",
    " Please enter a valid unicast MAC address!",
};

constexpr int UnknownCode = -528;

bool isBlank(const std::string& line) {
    for (unsigned char c : line)
        if (c > ' ') return false;
    return true;
}

}  // namespace

KyMessageTable SNMPErrorTexts(SNMPErrorTextsBuiltin);
KyMessageTable SNMPv3ErrorTexts(SNMPv3ErrorTextsBuiltin);
KyMessageTable SNMPUSMErrorTexts(SNMPUSMErrorTextsBuiltin);
KyMessageTable SNMPClassErrorTexts(SNMPClassErrorTextsBuiltin);
KyMessageTable KySNMPErrorTexts(KySNMPErrorTextsBuiltin);
KyMessageTable SNMPStatusTemplates(SNMPStatusTemplatesBuiltin);
KyMessageTable CommonErrorTexts(CommonErrorTextsBuiltin);

std::string KyMessageTable::Text(int index) const {
    if (index >= 0 && index < int(Loaded.size())) return Loaded[index];
    if (index >= 0 && index < BuiltInCount) return BuiltIn[index];
    return {};
}

void mapSNMPStatus(int status, int& code, std::string& message) {
    if (status == 0 || status == 1400 || status == -1401) {
        code = 0;
        message = KySNMPErrorTexts.Text(0);
    } else if (status >= 1401 && status <= 1414) {
        code = 1100 - status;
        message = SNMPUSMErrorTexts.Text(status - 1401);
    } else if (status >= -1418 && status <= -1402) {
        code = status + 1201;
        message = SNMPv3ErrorTexts.Text(-1402 - status);
    } else if (status >= 1 && status <= 18) {
        code = -(100 + status);
        message = SNMPErrorTexts.Text(status - 1);
    } else if (status >= -23 && status <= -1) {
        code = status - 400;
        message = SNMPClassErrorTexts.Text(-status - 1);
    } else {
        code = UnknownCode;
        message = KySNMPErrorTexts.Text(-UnknownCode - 500);
    }
}

std::string messageOf(int code) {
    if (code == 0) return KySNMPErrorTexts.Text(0);
    if (code <= -101 && code >= -118) return SNMPErrorTexts.Text(-code - 101);
    if (code <= -201 && code >= -217) return SNMPv3ErrorTexts.Text(-code - 201);
    if (code <= -301 && code >= -314) return SNMPUSMErrorTexts.Text(-code - 301);
    if (code <= -401 && code >= -423) return SNMPClassErrorTexts.Text(-code - 401);
    if (code <= -501 && code >= -528) return KySNMPErrorTexts.Text(-code - 500);
    if (code <= -1 && code >= -25) return CommonErrorTexts.Text(-code);
    return KySNMPErrorTexts.Text(-UnknownCode - 500);
}

bool loadMessageFile(KyMessageTable& table, const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    // Whole lines, however long: a split line would shift every later message to the wrong code.
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t end = data.find_first_of("\r\n", start);
        if (end == std::string::npos) end = data.size();
        std::string line = data.substr(start, end - start);
        if (!isBlank(line)) texts.push_back(std::move(line));
        start = end;
        if (start < data.size() && data[start] == '\r') ++start;
        if (start < data.size() && data[start] == '\n') ++start;
    }
    if (texts.empty()) return false;
    table.Replace(std::move(texts));
    return true;
}

void loadMessageFiles(const std::string& directory) {
    struct File {
        KyMessageTable& Table;
        const char* Name;
    };
    const File files[] = {
        {CommonErrorTexts, "common.err"},    {SNMPErrorTexts, "snmp.err"},
        {SNMPv3ErrorTexts, "snmpv3.err"},    {SNMPUSMErrorTexts, "snmpusm.err"},
        {SNMPClassErrorTexts, "snmpclass.err"}, {KySNMPErrorTexts, "kysnmp.err"},
        {SNMPStatusTemplates, "snmp.msg"},
    };
    std::string dir = directory;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    for (const File& f : files) loadMessageFile(f.Table, dir + "errmsg/" + f.Name);
}
