#include "fetch_failure.h"

#include "data/sjis.h"

namespace zv {

std::string failureCause(const FetchResult& r) {
    const std::string host = fromUtf8(r.host);
    const std::string status = std::to_string(r.status);
    std::string text;
    switch (r.failure) {
        case FetchFailure::None: return {};
        case FetchFailure::TimedOut: text = host + sj(" から時間内に応答がありませんでした（タイムアウト）"); break;
        case FetchFailure::Refused: text = host + sj(" への接続を拒否されました"); break;
        case FetchFailure::HostNotFound: text = host + sj(" が見つかりません"); break;
        case FetchFailure::UntrustedCertificate: text = host + sj(" のサーバー証明書を信頼できません"); break;
        case FetchFailure::SecureChannel: text = host + sj(" と暗号化通信を始められませんでした"); break;
        case FetchFailure::ConnectionLost: text = host + sj(" との接続が途中で切れました"); break;
        case FetchFailure::HttpStatus: text = sj("サーバーがエラーを返しました（HTTP ") + status + sj("）"); break;
        case FetchFailure::ProxyAuthentication:
            text = sj("プロキシサーバーの認証が必要です（HTTP ") + status + sj("）");
            break;
        case FetchFailure::ProxyRefused:
            text = sj("プロキシサーバーが接続を断りました（HTTP ") + status + sj("）");
            break;
        case FetchFailure::CredentialsOverPlainHttp:
            text = sj("暗号化されていない接続にはユーザーIDとパスワードを送りません");
            break;
        case FetchFailure::TooLarge: text = sj("受け取ったデータが大きすぎます"); break;
        case FetchFailure::NotExpectedFile: text = sj("受け取ったデータは求めたファイルではありません"); break;
        case FetchFailure::LocalFile: text = sj("ファイルを保存できません（") + fromUtf8(r.detail) + sj("）"); break;
        case FetchFailure::CaFile:
            text = sj("CA 証明書のファイルを読めません（") + fromUtf8(r.detail) + sj("）");
            break;
        case FetchFailure::Aborted: text = sj("中止されました"); break;
        case FetchFailure::Other: text = sj("通信に失敗しました（") + fromUtf8(r.detail) + sj("）"); break;
    }
    return sj("原因: ") + text;
}

bool serverAnswered(const FetchResult& result) {
    return result.failure == FetchFailure::None || result.failure == FetchFailure::HttpStatus;
}

}  // namespace zv
