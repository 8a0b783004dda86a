#include "fetch_failure.h"

namespace zv {

std::string failureCause(const FetchResult& r) {
    const std::string& host = r.host;
    const std::string status = std::to_string(r.status);
    std::string text;
    switch (r.failure) {
        case FetchFailure::None: return {};
        case FetchFailure::TimedOut: text = host + " から時間内に応答がありませんでした（タイムアウト）"; break;
        case FetchFailure::Refused: text = host + " への接続を拒否されました"; break;
        case FetchFailure::HostNotFound: text = host + " が見つかりません"; break;
        case FetchFailure::UntrustedCertificate: text = host + " のサーバー証明書を信頼できません"; break;
        case FetchFailure::SecureChannel: text = host + " と暗号化通信を始められませんでした"; break;
        case FetchFailure::ConnectionLost: text = host + " との接続が途中で切れました"; break;
        case FetchFailure::HttpStatus: text = "サーバーがエラーを返しました（HTTP " + status + "）"; break;
        case FetchFailure::ProxyAuthentication: text = "プロキシサーバーの認証が必要です（HTTP " + status + "）"; break;
        case FetchFailure::ProxyRefused: text = "プロキシサーバーが接続を断りました（HTTP " + status + "）"; break;
        case FetchFailure::CredentialsOverPlainHttp:
            text = "暗号化されていない接続にはユーザーIDとパスワードを送りません";
            break;
        case FetchFailure::TooLarge: text = "受け取ったデータが大きすぎます"; break;
        case FetchFailure::NotExpectedFile: text = "受け取ったデータは求めたファイルではありません"; break;
        case FetchFailure::LocalFile: text = "ファイルを保存できません（" + r.detail + "）"; break;
        case FetchFailure::CaFile: text = "CA 証明書のファイルを読めません（" + r.detail + "）"; break;
        case FetchFailure::Aborted: text = "中止されました"; break;
        case FetchFailure::Other: text = "通信に失敗しました（" + r.detail + "）"; break;
    }
    return "原因: " + text;
}

bool serverAnswered(const FetchResult& result) {
    return result.failure == FetchFailure::None || result.failure == FetchFailure::HttpStatus;
}

}  // namespace zv
