// The simulated switch of the SMTP dialog's tests and pictures: SMTP enabled, a mail server with
// its port, the switch's own address, a test message, no send requested and the last test mail
// sent successfully.
#pragma once

#include <string>

namespace smtp_scenario {

inline const std::string kSmtp = "1.3.6.1.4.1.746.12.29";
inline std::string SmtpOid(int arc) {
    return kSmtp + ".1." + std::to_string(arc) + ".0";
}
inline const std::string kSendTestStatus = kSmtp + ".2.1.0";

inline std::string Scenario() {
    return R"({"objects": [[")" + SmtpOid(1) + R"(", "int", 3, "rw"], [")" + SmtpOid(2) +
           R"(", "ip", "10.1.1.5", "rw"], [")" + SmtpOid(3) + R"(", "int", 25, "rw"], [")" + SmtpOid(4) +
           R"(", "string", "switch@example.com", "rw"], [")" + SmtpOid(5) +
           R"(", "string", "Test", "rw"], [")" + SmtpOid(6) + R"(", "string", "Hello", "rw"], [")" +
           SmtpOid(7) + R"(", "int", 2, "rw"], [")" + kSendTestStatus + R"(", "int", 1]]})";
}

} // namespace smtp_scenario
