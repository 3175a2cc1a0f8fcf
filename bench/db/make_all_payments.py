#!/usr/bin/env python3
"""Writes an all-payments CSV file and the payload the program sends for it
under Romanian regional settings (dates dd.MM.yyyy, decimal comma).

Stand-in used by db_bench.sh when the project's own generator and payload
tool are not built.

usage: make_all_payments.py ROWS CSV_OUT PAYLOAD_OUT [SEED]
"""
import random
import sys
import uuid
from datetime import date, datetime, timedelta

HEADER = ["ID", "Settle Date", "UETR", "Payment Reference", "Payment ID", "Initiator",
          "Direction", "Credit BIC", "Debit BIC", "TTC", "RMTI", "Amount", "Currency",
          "Settlement Status", "Creditor IBAN", "Text", "Processing Status", "Update Type",
          "Time", "Market", "Default Fund", "Member ID", "Bank",
          "External Collateral Account", "Type"]
MEMBERS = ["id", "settleDate", "uetr", "paymentReference", "paymentId", "initiator",
           "direction", "creditBic", "debitBic", "ttc", "rmti", "amount", "currency",
           "settlementStatus", "creditorIban", "text", "processingStatus", "updateType",
           "time", "market", "defaultFund", "memberId", "bank",
           "externalCollateralAccount", "type"]
BICS = ["BTRLRO22XXX", "RNCBROBUXXX", "BRDEROBUXXX", "INGBROBUXXX", "CECEROBUXXX", "NBORROBUXXX"]
BANKS = ["Banca Transilvania", "BCR", "BRD - Groupe Societe Generale", "ING Bank", "CEC Bank"]


def csv_field(text):
    if any(c in text for c in ',"\r\n'):
        return '"' + text.replace('"', '""') + '"'
    return text


def json_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def make_row(rng, n):
    settle = date(2024, 1, 2) + timedelta(days=rng.randrange(700))
    when = datetime(settle.year, settle.month, settle.day, 8) + timedelta(seconds=rng.randrange(36000))
    cents = rng.randrange(1, 10**9)
    amount_csv = f"{cents // 100}.{cents % 100:02d}".rstrip("0").rstrip(".")
    account = f"RO{rng.randrange(10, 99)}BTRL{rng.randrange(10**15, 10**16)}"
    contract = rng.randrange(1000, 99999)
    csv_values = [
        str(100000000 + n), settle.isoformat(), str(uuid.UUID(int=rng.getrandbits(128))),
        f"PR{rng.randrange(10**15, 10**16)}", f"PAY-{settle:%Y%m%d}-{n:08d}",
        rng.choice(BICS), rng.choice(["IN", "OUT"]), rng.choice(BICS), rng.choice(BICS), "103",
        f"/ROC/{contract}/Marja variatie, contract {contract}", amount_csv,
        rng.choice(["RON", "EUR"]), rng.choice(["SETT", "PEND", "RJCT"]), account,
        f"Plata marja, \"{rng.choice(['zilnica', 'initiala', 'suplimentara'])}\", membru M{n % 500:04d}",
        rng.choice(["ACSC", "ACSP", "RJCT"]), rng.choice(["NEW", "UPD"]),
        when.strftime("%Y-%m-%d %H:%M:%S"), rng.choice(["BV", "DR", "SP"]),
        f"DF{n % 40:03d}", f"M{n % 500:04d}", rng.choice(BANKS),
        f"ECA{rng.randrange(10**16, 10**17)}", rng.choice(["CSH", "COL", "FEE"]),
    ]
    payload_values = list(csv_values)
    payload_values[1] = settle.strftime("%d.%m.%Y")
    payload_values[11] = amount_csv.replace(".", ",")
    payload_values[18] = when.strftime("%d.%m.%Y %H:%M:%S")
    return csv_values, payload_values


def main():
    rows = int(sys.argv[1])
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else 1
    rng = random.Random(seed)
    with open(sys.argv[2], "w", encoding="utf-8", newline="") as csv_out, \
         open(sys.argv[3], "w", encoding="utf-8", newline="") as payload_out:
        csv_out.write("\ufeff" + ",".join(HEADER) + "\r\n")
        payload_out.write("[")
        for n in range(rows):
            csv_values, payload_values = make_row(rng, n)
            csv_out.write(",".join(csv_field(v) for v in csv_values) + "\r\n")
            if n:
                payload_out.write(",")
            payload_out.write("{" + ",".join(json_string(m) + ":" + json_string(v)
                                             for m, v in zip(MEMBERS, payload_values)) + "}")
        payload_out.write("]")


if __name__ == "__main__":
    main()
