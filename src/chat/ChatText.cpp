#include "chat/ChatText.h"

#include "chat/Utf8Conversion.h"
#include "common/Codec.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

Text chatTimeStamp(const LocalDateTime& time) {
    const Text& colon = "："_gbk;
    return decimal(time.hour) + colon + decimal(time.minute) + colon + decimal(time.second);
}

Text transcriptEntry(const Text& nickname, const Text& timeStamp, const Text& text) {
    return nickname + "    " + timeStamp + "\r\n" + text + "\r\n";
}

const Text& chatHelpText() {
    static const Text text = gbkFromUtf8(
        "指令_______示例________说明_______返回格式\r\n"
        "随便发消息正常聊天\r\n"
        "地区天气 上海天气 查询上海的天气预报（市级或县级地区） 普通文本\r\n"
        "天气 天气 根据访问IP自动获取天气预报 普通文本\r\n"
        "@tq您的ip地址 @tq8.8.8.8 查询IP地址为8.8.8.8的天气预报 普通文本\r\n"
        "@ip您的ip地址 @ip8.8.8.8 查询IP地址为8.8.8.8的位置和经纬度 普通文本\r\n"
        "ip ip 查询访问者的IP地址详情 普通文本\r\n"
        "@qq要查询的QQ号码 @qq123456 查询QQ号码123456的信息 普通文本\r\n"
        "@lol英雄联盟大区--角色名称 @lol艾欧尼亚--我要超神 查询艾欧尼亚区我要超神的战绩信息 "
        "普通文本\r\n"
        "@sfz身份证号码 @sfz111111111111111111 查询身份证号码公民所在地、生日和性别 普通文本\r\n"
        "@sjh手机号码 @sjh18888888888 查询手机号码归属地、城市区号和卡的类型 普通文本\r\n"
        "@cy四字成语 @cy一马当先 【一马当先】的成语接龙 普通文本\r\n"
        "\r\n");
    return text;
}

Text chatRequestUrl(const ChatbotEndpoint& endpoint, const Text& message) {
    return "http://" + endpoint.host + "/api.php?question=" + message +
           "&api_key=" + endpoint.apiKey + "&api_secret=" + endpoint.apiSecret;
}

Text chatReplyText(std::string_view body) {
    if (body.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        body.remove_prefix(kByteOrderMark.size());
    }
    return utf8ToGbk(body);
}

const Text& defaultOwnNickname() {
    static const Text nickname = "Milvo";
    return nickname;
}

const Text& defaultRobotNickname() {
    return "小小"_gbk;
}
