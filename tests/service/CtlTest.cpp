// `zephra-machine ctl` against a running service: every command changes or shows the
// machine, and every bad command line or missing service is one clear line and a failing exit.
#include "tests/service/ServiceHarness.h"

#include <cstdio>
#include <memory>
#include <sys/wait.h>

namespace service_test {
namespace {

struct CtlRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const fs::path& file)
{
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Quoted(const std::string& word)
{
    std::string out = "'";
    for (char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct Step {
    std::vector<std::string> words;  // after "zephra-machine ctl"
    int status;
    std::string out;  // a part of the standard output ("" to skip)
    std::string err;  // a part of the standard error; with a nonzero status it is the one line
};

class Ctl : public ServiceHarness {
protected:
    CtlRun RunCtl(const std::vector<std::string>& words, const std::string& machine_dir)
    {
        std::string command = std::string(ZEPHRA_BIN_DIR) + "/zephra-machine ctl --machine-dir " + Quoted(machine_dir);
        for (const std::string& word : words)
            command += " " + Quoted(word);
        const fs::path out = m_root / "out", err = m_root / "err";
        command += " >" + out.string() + " 2>" + err.string();
        CtlRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Slurp(out);
        run.err = Slurp(err);
        return run;
    }

    void Check(const Step& step, const std::string& machine_dir)
    {
        std::string line;
        for (const std::string& word : step.words)
            line += word + " ";
        SCOPED_TRACE("ctl " + line);
        const CtlRun run = RunCtl(step.words, machine_dir);
        EXPECT_EQ(run.status, step.status) << run.err;
        EXPECT_NE(run.out.find(step.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(step.err), std::string::npos) << run.err;
        if (step.status != 0) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        }
    }
};

TEST_F(Ctl, EveryCommandChangesOrShowsTheRunningMachine)
{
    auto client = Client();
    StartService(*client);
    const std::string office = "02:48:42:00:01:02";
    const std::string lakeside = "02:4C:4B:00:06:01";
    const Step steps[] = {
        {{"status"}, 0, "adapter:        present", ""},
        {{"status"}, 0, "network:        Lakeside (" + lakeside + ")", ""},
        {{"networks"}, 0, "02:48:42:00:01:02  Harbour-Office", ""},
        {{"unplug"}, 0, "", ""},
        {{"status"}, 0, "adapter:        absent", ""},
        {{"plug"}, 0, "", ""},
        {{"status"}, 0, "adapter:        present", ""},
        {{"service", "start"}, 0, "driver service: running", ""},
        {{"service", "stop"}, 0, "driver service: stopped", ""},
        {{"signal", office, "-87"}, 0, "", ""},
        {{"networks"}, 0, "Harbour-Office                    1   -87", ""},
        {{"switch-off", lakeside}, 0, "", ""},
        {{"status"}, 0, "network:        none", ""},
        {{"switch-on", lakeside}, 0, "", ""},
        {{"status"}, 0, "network:        Lakeside", ""},
        {{"add-network", R"({"bssid": "02:00:00:00:00:09", "ssid": "Pier", "channel": 6, "signal_dbm": -60})"}, 0, "", ""},
        {{"networks"}, 0, "02:00:00:00:00:09  Pier", ""},
        {{"fault", "device-open-fails", "on"}, 0, "faults on: device-open-fails", ""},
        {{"fault", "oid:0x0D010101", "on"}, 0, "device-open-fails, oid:0D010101", ""},
        {{"fault", "device-open-fails", "off"}, 0, "faults on: oid:0D010101", ""},
        {{"fault", "adapter-pulled", "on"}, 0, "", ""},
        {{"status"}, 0, "adapter:        absent", ""},
        {{"fault", "adapter-pulled", "off"}, 0, "", ""},
        {{"faults"}, 0, "service-stuck-start-pending", ""},
        {{"traffic", "0", "0"}, 0, "", ""},
        {{"--json", "status"}, 0, "\"adapter_present\":true", ""},
        {{"--json", "networks"}, 0, "\"ssid\":\"Pier\"", ""},
    };
    for (const Step& step : steps)
        Check(step, m_machine_dir);
    // Traffic stopped: the counters stand still from one status to the next.
    const nlohmann::json before = nlohmann::json::parse(RunCtl({"--json", "status"}, m_machine_dir).out);
    const nlohmann::json after = nlohmann::json::parse(RunCtl({"--json", "status"}, m_machine_dir).out);
    EXPECT_EQ(after.at("tx_bytes"), before.at("tx_bytes"));
    EXPECT_EQ(after.at("rx_bytes"), before.at("rx_bytes"));
}

TEST_F(Ctl, BadCommandsAndMissingServicesAreOneClearLine)
{
    const Step without_service = {{"status"}, 1, "", "no machine service runs for"};
    Check(without_service, m_machine_dir);

    auto client = Client();
    StartService(*client);
    const std::string office = "02:48:42:00:01:02";
    const Step steps[] = {
        {{}, 2, "", "ctl needs a command"},
        {{"reboot"}, 2, "", "unknown ctl command \"reboot\""},
        {{"signal", office}, 2, "", "usage: zephra-machine ctl signal BSSID DBM"},
        {{"signal", office, "loud"}, 2, "", "DBM must be a whole number"},
        {{"traffic", "1", "2", "3"}, 2, "", "usage: zephra-machine ctl traffic TX RX"},
        {{"service", "restart"}, 2, "", "service takes stop or start"},
        {{"fault", "device-open-fails", "maybe"}, 2, "", "say on or off"},
        {{"add-network", "{not json"}, 2, "", "must be a JSON object"},
        {{"signal", "02:48:42", "-60"}, 1, "", "BSSID"},
        {{"signal", "02:00:00:00:00:99", "-60"}, 1, "", "no network has the BSSID 02:00:00:00:00:99"},
        {{"signal", office, "-5"}, 1, "", "between -120 and -10 dBm"},
        {{"switch-off", "02:00:00:00:00:99"}, 1, "", "no network has the BSSID"},
        {{"add-network", R"({"bssid": ")" + office + R"(", "ssid": "Twin", "channel": 1, "signal_dbm": -60})"}, 1, "",
         "already used by another network"},
        {{"add-network", R"({"bssid": "02:00:00:00:00:09", "ssid": "Pier", "channel": 99, "signal_dbm": -60})"}, 1,
         "", "network.channel"},
        {{"fault", "gremlins", "on"}, 1, "", "no fault is named \"gremlins\""},
        {{"fault", "oid:xyz", "on"}, 1, "", "no fault is named \"oid:xyz\""},
        {{"traffic", "-1", "0"}, 1, "", "a traffic rate lies between 0 and"},
    };
    for (const Step& step : steps)
        Check(step, m_machine_dir);
    // Nothing refused was changed.
    const std::string networks = RunCtl({"networks"}, m_machine_dir).out;
    EXPECT_EQ(networks.find("Twin"), std::string::npos);
    EXPECT_EQ(networks.find("Pier"), std::string::npos);
    EXPECT_EQ(RunCtl({"--json", "status"}, m_machine_dir).out.find("gremlins"), std::string::npos);
    // Another machine's directory has no service of its own.
    Check(without_service, m_machine_dir + "-other");
}

}  // namespace
}  // namespace service_test
