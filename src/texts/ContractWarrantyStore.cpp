#include "texts/ContractWarrantyStore.h"

#include "data/Database.h"

StoredTextDocument LoadTextDocument(TextKind kind)
{
    Connection db = OpenDatabase();
    Statement& s = db.prepare(QStringLiteral(
        "SELECT intContractWarrantyID, strContractName, strWarrantyName, strContract, strWarranty "
        "FROM tblContractWarranty WHERE intContractWarrantyID = 1;"));
    StoredTextDocument text;
    if (s.next()) {
        const bool contract = kind == TextKind::Contract;
        text.title = s.columnText(contract ? 1 : 2);
        text.body = s.columnText(contract ? 3 : 4);
    }
    return text;
}

void SaveTextDocument(TextKind kind, const StoredTextDocument& text)
{
    const bool contract = kind == TextKind::Contract;
    Connection db = OpenDatabase();
    Transaction transaction(db);
    const bool rowThere = db.prepare(QStringLiteral(
                                         "SELECT intContractWarrantyID FROM tblContractWarranty "
                                         "WHERE intContractWarrantyID = 1;"))
                              .next();
    db.resetAll();
    if (rowThere) {
        db.exec(contract ? QStringLiteral("UPDATE tblContractWarranty SET strContractName = ?,strContract = ? "
                                          "WHERE intContractWarrantyID = 1;")
                         : QStringLiteral("UPDATE tblContractWarranty SET strWarrantyName = ?,strWarranty = ? "
                                          "WHERE intContractWarrantyID = 1;"),
                {text.title, text.body});
    } else {
        // The other kind starts empty, as a missing row reads.
        db.exec(QStringLiteral("INSERT INTO tblContractWarranty(intContractWarrantyID,strContractName,"
                               "strWarrantyName,strContract,strWarranty)VALUES(1,?,?,?,?);"),
                {contract ? text.title : QString(), contract ? QString() : text.title,
                 contract ? text.body : QString(), contract ? QString() : text.body});
    }
    transaction.commit();
}
