// What a client sends that a sound client never would: each refused, the connection (when
// it can still be followed) and the service go on serving.
#include "tests/service/ServiceHarness.h"

#include "machine/service/Connection.h"
#include "machine/service/PortCodec.h"
#include "machine/service/PortOperations.h"
#include "machine/service/Wire.h"

namespace service_test {
namespace {

using nlohmann::json;
using machine::service::Bytes;
using machine::service::Connection;
namespace op = machine::service::port_op;

constexpr int kTimeoutMs = 2000;

Bytes Prefixed(std::uint32_t length, const Bytes& body)
{
    Bytes out;
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

struct Case {
    const char* name;
    Bytes bytes;
    const char* refusal;   // part of the reason given
    bool connection_kept;  // the same connection still serves afterwards
};

class Protocol : public ServiceHarness {
protected:
    void SetUp() override
    {
        ServiceHarness::SetUp();
        m_client = Client();
        StartService(*m_client);
    }

    // A sound request still gets its answer.
    void ExpectServing(Connection& connection)
    {
        const auto reply = connection.exchange(machine::service::request(op::kComputerName), kTimeoutMs);
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->value("r", json()), "ZEPHRA-PC");
    }

    std::unique_ptr<machine::service::RemoteMachine> m_client;
};

TEST_F(Protocol, BadRequestsAreRefusedAndTheServiceKeepsServing)
{
    const auto with = [](json message) { return machine::service::frame(message); };
    const Case cases[] = {
        {"unknown request", with(machine::service::request("format_drive")), "unknown request \"format_drive\"", true},
        {"wrong version", with({{"v", 99}, {"op", op::kComputerName}, {"a", json::array()}}), "protocol version 99",
         true},
        // Found by fuzzing: a version that is text, and not even UTF-8, is still named in the refusal.
        {"a version that is not UTF-8",
         Prefixed(22, {0xa2, 0x61, 0x76, 0x61, 0xff, 0x62, 0x6f, 0x70, 0x6d, 'c', 'o', 'm', 'p', 'u', 't', 'e', 'r', '_',
                       'n', 'a', 'm', 'e'}),
         "protocol version", true},
        {"no version", with({{"op", op::kComputerName}}), "protocol version none", true},
        {"no operation", with({{"v", machine::service::kProtocolVersion}, {"a", json::array()}}), "names no operation",
         true},
        {"not a map", Prefixed(1, {0x01}), "not a CBOR map", true},
        {"not CBOR", Prefixed(3, {0xff, 0xff, 0xff}), "not a CBOR map", true},
        // Found by fuzzing: an array claiming more elements than memory can hold.
        {"an impossibly long array",
         Prefixed(12, {0xa1, 0x61, 0x61, 0x9b, 0x7f, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}), "not a CBOR map",
         true},
        {"arguments of the wrong kind", with(machine::service::request(op::kOpenDevice, json::array({42}))),
         "open_device:", true},
        {"too few arguments", with(machine::service::request(op::kRegistryQueryValue, json::array({2}))),
         "registry_query_value:", true},
        {"a registry root that does not exist",
         with(machine::service::request(op::kRegistryOpenKey, json::array({99, "Software", false}))),
         "no registry root 99", true},
        {"input beyond the memory sent",
         with(machine::service::request(
             op::kDeviceControl, json::array({1, 0, machine::service::byte_string({1, 2}), 4096, 16}))),
         "input size exceeds", true},
        {"an output buffer too large to answer",
         with(machine::service::request(
             op::kDeviceControl, json::array({1, 0, machine::service::byte_string({}), 0, 0xFFFFFFFFu}))),
         "output size exceeds", true},
        {"oversized length", Prefixed(0xFFFFFFFFu, {}), "longer than", false},
        {"length just over the limit", Prefixed(machine::service::kMaxMessageBytes + 1, {}), "longer than", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Connection connection;
        ASSERT_TRUE(connection.open(m_endpoint.socket));
        ASSERT_TRUE(connection.send_bytes(c.bytes, kTimeoutMs));
        const auto reply = connection.receive(kTimeoutMs);
        ASSERT_TRUE(reply);
        EXPECT_NE(reply->value("e", std::string()).find(c.refusal), std::string::npos) << reply->dump();
        if (c.connection_kept) {
            ExpectServing(connection);
        } else {
            EXPECT_FALSE(connection.receive(kTimeoutMs)) << "the service went on reading an unframed stream";
        }
        // And everyone else is still served.
        EXPECT_EQ(m_client->computer_name(), "ZEPHRA-PC");
    }
    // Each refusal is in the service's log.
    const std::string log = Log();
    for (const Case& c : cases)
        EXPECT_NE(log.find(c.refusal), std::string::npos) << c.name;
}

TEST_F(Protocol, ATruncatedMessageIsDroppedWithItsClient)
{
    Connection truncated;
    ASSERT_TRUE(truncated.open(m_endpoint.socket));
    const Bytes whole = machine::service::frame(machine::service::request(op::kComputerName));
    ASSERT_TRUE(truncated.send_bytes(Bytes(whole.begin(), whole.begin() + 6), kTimeoutMs));
    // The rest never comes: the service waits for it without holding up anyone else.
    Connection other;
    ASSERT_TRUE(other.open(m_endpoint.socket));
    ExpectServing(other);
    truncated.close();
    ExpectServing(other);
    EXPECT_TRUE(Eventually([&] { return Log().find("truncated message") != std::string::npos; })) << Log();
}

}  // namespace
}  // namespace service_test
