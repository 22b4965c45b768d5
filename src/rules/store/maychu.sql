-- The school server's functions. Every write a lab computer makes goes
-- through one of them; each runs as the owner role (SECURITY DEFINER, a
-- fixed search_path) and checks who is writing and what. --setup-server
-- runs each statement below (they are separated by lines "-- ;;") every
-- time, so a new version replaces the old.
--
-- Errors a lab computer tells apart carry SQLSTATEs of class TL:
--   TL001 handed in already      TL002 the time is over or the session closed
--   TL003 the answers do not fit  TL004 not yours (not signed in, another's)
--   TL005 no paper for you        TL006 the server lacks that bank or rule
--   TL007 a value out of bounds   TL008 a bank's digest does not match
--   TL009 the session is not open
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_me() RETURNS bigint
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = public, pg_temp AS $$
  -- The learner this connection signed in as: bound to the server process
  -- and to a token only this connection was given.
  SELECT l.profile FROM lab_login l
  WHERE l.pid = pg_backend_pid() AND l.token = nullif(current_setting('thilaixe.login', true), '')::uuid
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_is_teacher() RETURNS boolean
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = public, pg_temp AS $$
  SELECT pg_has_role(session_user, 'thilaixe_teacher', 'MEMBER')
         OR coalesce((SELECT r.rolsuper FROM pg_roles r WHERE r.rolname = session_user), false)
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_writer(p_profile bigint) RETURNS void
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  -- A teacher writes for any profile (a learner's held paper sent from a
  -- lab computer they left); a learner for their own only.
  IF thilaixe_is_teacher() THEN
    IF NOT EXISTS (SELECT 1 FROM profile p WHERE p.id = p_profile) THEN
      RAISE EXCEPTION 'no such profile' USING ERRCODE = 'TL004';
    END IF;
  ELSIF p_profile IS NULL OR p_profile IS DISTINCT FROM thilaixe_me() THEN
    RAISE EXCEPTION 'not yours' USING ERRCODE = 'TL004';
  END IF;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_must_teach() RETURNS void
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  IF NOT thilaixe_is_teacher() THEN
    RAISE EXCEPTION 'a teacher''s' USING ERRCODE = 'insufficient_privilege';
  END IF;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_sign_in(p_code text, p_candidate text, p_pin text)
RETURNS TABLE(signed_in bigint, outcome text, wait_seconds integer)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_id bigint;
  v_hash text;
  v_seq text;
  v_state bigint;
  v_fail integer;
  v_until bigint;
  v_now bigint;
  v_lock integer := coalesce((SELECT m.value::integer FROM meta m WHERE m.key = 'lockout_seconds'), 900);
  v_token uuid;
  v_open integer;
BEGIN
  SELECT p.id, k.hash INTO v_id, v_hash
  FROM profile p JOIN course c ON c.id = p.course JOIN learner_pin k ON k.profile = p.id
  WHERE c.code = p_code AND p.candidate = p_candidate;
  IF v_id IS NULL THEN
    -- No such account takes as long as a wrong PIN: nothing tells them apart.
    PERFORM pg_sleep(1);
    RETURN QUERY SELECT NULL::bigint, 'wrong'::text, 0;
    RETURN;
  END IF;
  -- One try at a time for an account. Its failures are counted in a
  -- sequence of its own, which no rollback takes back: a try inside a
  -- transaction that is then rolled back still counts.
  PERFORM pg_advisory_xact_lock(1414289477, v_id::integer);
  v_seq := 'learner_tries_' || v_id;
  EXECUTE format('SELECT last_value FROM %I', v_seq) INTO v_state;
  v_now := extract(epoch FROM clock_timestamp())::bigint;
  v_until := v_state / 100;
  v_fail := (v_state % 100)::integer;
  IF v_until > v_now THEN
    RETURN QUERY SELECT NULL::bigint, 'locked'::text, (v_until - v_now)::integer;
    RETURN;
  END IF;
  IF v_until > 0 THEN
    v_fail := 0;  -- a lock that has run out starts the count afresh
  END IF;
  IF crypt(p_pin, v_hash) IS DISTINCT FROM v_hash THEN
    v_fail := v_fail + 1;
    IF v_fail >= 10 THEN
      PERFORM setval(v_seq, (v_now + v_lock) * 100, true);
    ELSE
      PERFORM setval(v_seq, v_fail, true);
    END IF;
    PERFORM pg_sleep(1);
    IF v_fail >= 10 THEN
      RETURN QUERY SELECT NULL::bigint, 'locked'::text, v_lock;
    ELSE
      RETURN QUERY SELECT NULL::bigint, 'wrong'::text, 0;
    END IF;
    RETURN;
  END IF;
  PERFORM setval(v_seq, 0, true);
  DELETE FROM lab_login l WHERE l.at < now() - interval '12 hours';
  -- Two lab computers at most for one learner at a time.
  SELECT count(*) INTO v_open FROM lab_login l
  WHERE l.profile = v_id AND l.pid <> pg_backend_pid()
    AND EXISTS (SELECT 1 FROM pg_stat_activity a WHERE a.pid = l.pid);
  IF v_open >= 2 THEN
    RETURN QUERY SELECT NULL::bigint, 'busy'::text, 0;
    RETURN;
  END IF;
  v_token := gen_random_uuid();
  INSERT INTO lab_login(pid, token, profile) VALUES (pg_backend_pid(), v_token, v_id)
  ON CONFLICT (pid) DO UPDATE SET token = excluded.token, profile = excluded.profile, at = now();
  PERFORM set_config('thilaixe.login', v_token::text, false);
  RETURN QUERY SELECT v_id, 'ok'::text, 0;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_check_pin(p_pin text) RETURNS void
LANGUAGE plpgsql IMMUTABLE SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  -- Made by the program: eight letters and digits at least (no look-alikes),
  -- or eight digits.
  IF p_pin IS NULL OR length(p_pin) < 8 OR p_pin !~ '^[A-Z0-9]+$' THEN
    RAISE EXCEPTION 'a PIN is 8 letters or digits at least' USING ERRCODE = 'TL007';
  END IF;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_add_course(p_code text, p_name text, p_class text) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_id bigint;
BEGIN
  PERFORM thilaixe_must_teach();
  IF length(coalesce(btrim(p_code), '')) NOT BETWEEN 1 AND 20 OR length(coalesce(btrim(p_name), '')) NOT BETWEEN 1 AND 100
     OR length(coalesce(p_class, '')) NOT BETWEEN 1 AND 10 THEN
    RAISE EXCEPTION 'a course code of 1 to 20 characters, a name of 1 to 100' USING ERRCODE = 'TL007';
  END IF;
  INSERT INTO course(code, name, class) VALUES (btrim(p_code), btrim(p_name), p_class)
  ON CONFLICT (code) DO UPDATE SET name = excluded.name, class = excluded.class
  RETURNING id INTO v_id;
  RETURN v_id;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_add_learner(p_course bigint, p_candidate text, p_name text, p_pin text,
  p_born date) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_id bigint;
  v_new boolean;
BEGIN
  PERFORM thilaixe_must_teach();
  IF length(coalesce(btrim(p_candidate), '')) NOT BETWEEN 1 AND 20
     OR length(coalesce(btrim(p_name), '')) NOT BETWEEN 1 AND 100 THEN
    RAISE EXCEPTION 'a candidate number of 1 to 20 characters, a name of 1 to 100' USING ERRCODE = 'TL007';
  END IF;
  SELECT p.id INTO v_id FROM profile p WHERE p.course = p_course AND p.candidate = btrim(p_candidate);
  v_new := v_id IS NULL;
  -- A new learner gets a PIN; one already there keeps theirs unless given one.
  IF v_new OR p_pin IS NOT NULL THEN
    PERFORM thilaixe_check_pin(p_pin);
  END IF;
  IF v_new THEN
    INSERT INTO profile(name, course, candidate, born) VALUES (btrim(p_name), p_course, btrim(p_candidate), p_born)
    RETURNING id INTO v_id;
    EXECUTE format('CREATE SEQUENCE %I MINVALUE 0 START 0', 'learner_tries_' || v_id);
  ELSE
    UPDATE profile SET name = btrim(p_name), born = coalesce(p_born, born) WHERE id = v_id;
  END IF;
  IF p_pin IS NOT NULL THEN
    INSERT INTO learner_pin(profile, hash) VALUES (v_id, crypt(p_pin, gen_salt('bf', 8)))
    ON CONFLICT (profile) DO UPDATE SET hash = excluded.hash, set_at = now();
    -- A new PIN opens a locked account.
    PERFORM setval('learner_tries_' || v_id, 0, true);
  END IF;
  RETURN v_id;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_add_profile(p_name text) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_id bigint;
BEGIN
  PERFORM thilaixe_must_teach();
  IF length(coalesce(btrim(p_name), '')) NOT BETWEEN 1 AND 60 THEN
    RAISE EXCEPTION 'a name of 1 to 60 characters' USING ERRCODE = 'TL007';
  END IF;
  INSERT INTO profile(name) VALUES (btrim(p_name)) ON CONFLICT (name) WHERE course IS NULL DO NOTHING;
  SELECT p.id INTO v_id FROM profile p WHERE p.name = btrim(p_name) AND p.course IS NULL;
  RETURN v_id;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_once(p_uid text, p_profile bigint) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  -- A change sent again (its reply lost) is taken once.
  PERFORM thilaixe_writer(p_profile);
  INSERT INTO change_applied(uid, profile) VALUES (p_uid, p_profile) ON CONFLICT DO NOTHING;
  RETURN FOUND;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_practice_box(p_profile bigint, p_bank text, p_question integer)
RETURNS TABLE(in_list integer, streak integer, right_count integer, wrong integer)
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  -- The box as it stands, held until the caller's transaction ends, so an
  -- answer from two lab computers at once is counted on the box as it is.
  PERFORM thilaixe_writer(p_profile);
  RETURN QUERY SELECT x.in_list, x.streak, x."right", x.wrong FROM practice x
    WHERE x.profile = p_profile AND x.bank = p_bank AND x.question = p_question FOR UPDATE;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_set_practice(p_profile bigint, p_bank text, p_question integer, p_in_list integer,
  p_streak integer, p_right integer, p_wrong integer) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  -- The learner's own practice boxes: what they practise next, never a score.
  PERFORM thilaixe_writer(p_profile);
  INSERT INTO practice(profile, bank, question, in_list, streak, "right", wrong)
  VALUES (p_profile, p_bank, p_question, p_in_list, p_streak, p_right, p_wrong)
  ON CONFLICT (profile, bank, question) DO UPDATE SET in_list = excluded.in_list, streak = excluded.streak,
    "right" = excluded."right", wrong = excluded.wrong;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_fold(p_profile bigint, p_bank text, p_exam text) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM thilaixe_writer(p_profile);
  INSERT INTO practice_folded(profile, bank, exam) VALUES (p_profile, p_bank, p_exam) ON CONFLICT DO NOTHING;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_answer(p_profile bigint, p_bank text, p_question integer, p_at bigint,
  p_right boolean) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM thilaixe_writer(p_profile);
  INSERT INTO answer(profile, bank, question, at, "right") VALUES (p_profile, p_bank, p_question, p_at,
    CASE WHEN p_right THEN 1 ELSE 0 END);
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_critical_day(p_profile bigint, p_bank text, p_question integer, p_day text)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM thilaixe_writer(p_profile);
  INSERT INTO critical_right(profile, bank, question, day) VALUES (p_profile, p_bank, p_question, p_day)
  ON CONFLICT DO NOTHING;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_setting(p_profile bigint, p_key text, p_value text) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM thilaixe_writer(p_profile);
  IF length(p_key) > 200 OR length(p_value) > 100000 THEN
    RAISE EXCEPTION 'a setting too long' USING ERRCODE = 'TL007';
  END IF;
  INSERT INTO setting(profile, key, value) VALUES (p_profile, p_key, p_value)
  ON CONFLICT (profile, key) DO UPDATE SET value = excluded.value;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_score(p_bank text, p_questions integer[], p_answers integer[],
  p_critical integer[], OUT right_count integer, OUT critical_missed integer[], OUT keys integer[])
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_bad integer;
BEGIN
  -- The server's own count, from its own key: the answers fit the paper
  -- (one per slot, an option the question has, or blank) or nothing is.
  IF cardinality(p_answers) IS DISTINCT FROM cardinality(p_questions) OR cardinality(p_questions) = 0 THEN
    RAISE EXCEPTION 'the answers do not fit the paper' USING ERRCODE = 'TL003';
  END IF;
  SELECT count(*) INTO v_bad
  FROM unnest(p_questions, p_answers) AS t(q, a) LEFT JOIN bank_question b ON b.bank = p_bank AND b.number = t.q
  WHERE b.number IS NULL OR t.a IS NULL OR t.a < 0 OR t.a > b.options;
  IF v_bad > 0 THEN
    RAISE EXCEPTION 'the answers do not fit the paper' USING ERRCODE = 'TL003';
  END IF;
  SELECT count(*) FILTER (WHERE t.a <> 0 AND t.a = b.answer),
         coalesce(array_agg(t.q ORDER BY t.i) FILTER (WHERE t.q = ANY (p_critical) AND NOT (t.a <> 0 AND t.a = b.answer)), '{}'),
         array_agg(b.answer ORDER BY t.i)
    INTO right_count, critical_missed, keys
  FROM unnest(p_questions, p_answers) WITH ORDINALITY AS t(q, a, i) JOIN bank_question b ON b.bank = p_bank AND b.number = t.q;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_keep_attempt(p_uid text, p_profile bigint, p_bank_sha text, p_rules text,
  p_class text, p_kind text, p_started text, p_ended text, p_pass integer, p_questions integer[],
  p_answers integer[], p_critical integer[], p_pred_pass double precision, p_pred_critical double precision,
  p_session bigint) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_id bigint;
  v_score record;
  v_bank record;
BEGIN
  -- Kept as the server scored it: its keys and critical questions are the
  -- server's, its misses go (back) into the learner's practice list.
  SELECT * INTO v_score FROM thilaixe_score(p_bank_sha, p_questions, p_answers, p_critical);
  SELECT b.id, b.version INTO v_bank FROM bank b WHERE b.sha256 = p_bank_sha;
  INSERT INTO attempt(profile, bank, bank_version, rules, class, started, ended, pass_mark, kind, uid, right_count,
                      slot_count, passed, session)
  VALUES (p_profile, v_bank.id, v_bank.version, p_rules, p_class, p_started, p_ended, p_pass, p_kind, p_uid,
          v_score.right_count, cardinality(p_questions),
          v_score.right_count >= p_pass AND cardinality(v_score.critical_missed) = 0, p_session)
  RETURNING id INTO v_id;
  INSERT INTO attempt_slot(attempt, slot, question, answer, key, critical)
  SELECT v_id, t.i - 1, t.q, t.a, t.k, CASE WHEN t.q = ANY (p_critical) THEN 1 ELSE 0 END
  FROM unnest(p_questions, p_answers, v_score.keys) WITH ORDINALITY AS t(q, a, k, i);
  IF p_pred_pass IS NOT NULL THEN
    INSERT INTO prediction(attempt, pass, critical) VALUES (v_id, p_pred_pass, p_pred_critical);
  END IF;
  INSERT INTO practice(profile, bank, question, in_list, streak, "right", wrong)
  SELECT p_profile, v_bank.id, t.q, 1, 0, 0, 0
  FROM unnest(p_questions, p_answers, v_score.keys) AS t(q, a, k) WHERE NOT (t.a <> 0 AND t.a = t.k)
  ON CONFLICT (profile, bank, question) DO UPDATE SET in_list = 1, streak = 0;
  RETURN v_id;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_hand_in(p_uid text, p_profile bigint, p_bank text, p_rules text, p_class text,
  p_kind text, p_started text, p_ended text, p_questions integer[], p_answers integer[],
  p_pred_pass double precision, p_pred_critical double precision) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_id bigint;
  v_sha text;
  v_rule record;
  v_critical integer[];
  v_pass integer;
  v_n integer := cardinality(p_questions);
BEGIN
  -- A paper or a short test sat outside a course-end test: the lab drew it,
  -- the server checks it is one its rule gives and scores it itself.
  PERFORM thilaixe_writer(p_profile);
  INSERT INTO change_applied(uid, profile) VALUES (p_uid, p_profile) ON CONFLICT DO NOTHING;
  IF NOT FOUND THEN
    SELECT a.id INTO v_id FROM attempt a WHERE a.uid = p_uid;
    RETURN v_id;
  END IF;
  SELECT b.sha256 INTO v_sha FROM bank b WHERE b.id = p_bank AND b.current;
  SELECT * INTO v_rule FROM rule_class r WHERE r.rules = p_rules AND r.class = p_class;
  IF v_sha IS NULL OR v_rule IS NULL OR v_rule.by_groups THEN
    RAISE EXCEPTION 'the server lacks that bank or rule' USING ERRCODE = 'TL006';
  END IF;
  IF p_kind NOT IN ('paper', 'short') OR v_n IS NULL
     OR (p_kind = 'paper' AND v_n <> v_rule.questions) OR (p_kind = 'short' AND v_n NOT BETWEEN 1 AND 10)
     OR (SELECT count(DISTINCT q) FROM unnest(p_questions) q) <> v_n
     OR EXISTS (SELECT 1 FROM unnest(p_questions) q LEFT JOIN bank_question b ON b.bank = v_sha AND b.number = q
                WHERE b.number IS NULL OR (v_rule.pool IS NOT NULL AND NOT v_rule.pool = ANY (b.pools))) THEN
    RAISE EXCEPTION 'not a paper of that rule' USING ERRCODE = 'TL003';
  END IF;
  SELECT coalesce(array_agg(b.number), '{}') INTO v_critical
  FROM bank_question b WHERE b.bank = v_sha AND b.critical AND b.number = ANY (p_questions);
  IF p_kind = 'paper' AND cardinality(v_critical) <> v_rule.critical THEN
    RAISE EXCEPTION 'not a paper of that rule' USING ERRCODE = 'TL003';
  END IF;
  v_pass := CASE WHEN p_kind = 'paper' THEN v_rule.pass
                 ELSE (v_rule.pass * v_n + v_rule.questions - 1) / v_rule.questions END;
  RETURN thilaixe_keep_attempt(p_uid, p_profile, v_sha, p_rules, p_class, p_kind, p_started, p_ended, v_pass,
                               p_questions, p_answers, v_critical, p_pred_pass, p_pred_critical, NULL);
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_open_session(p_course bigint, p_class text, p_rules text, p_bank_sha text,
  p_opens timestamptz, p_minutes integer) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_id bigint;
BEGIN
  PERFORM thilaixe_must_teach();
  IF NOT EXISTS (SELECT 1 FROM bank b WHERE b.sha256 = p_bank_sha)
     OR NOT EXISTS (SELECT 1 FROM rule_class r WHERE r.rules = p_rules AND r.class = p_class AND NOT r.by_groups) THEN
    RAISE EXCEPTION 'the server lacks that bank or rule' USING ERRCODE = 'TL006';
  END IF;
  IF p_minutes IS NULL OR p_minutes NOT BETWEEN 1 AND 240 OR p_opens IS NULL THEN
    RAISE EXCEPTION 'minutes from 1 to 240' USING ERRCODE = 'TL007';
  END IF;
  INSERT INTO exam_session(course, class, rules, bank, bank_sha, opens, minutes)
  VALUES (p_course, p_class, p_rules, (SELECT b.id FROM bank b WHERE b.sha256 = p_bank_sha), p_bank_sha, p_opens,
          p_minutes)
  RETURNING id INTO v_id;
  RETURN v_id;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_set_paper(p_session bigint, p_profile bigint, p_seed bigint,
  p_questions integer[], p_critical integer[]) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_s record;
  v_rule record;
BEGIN
  -- The teacher's program draws each learner's paper from its seed under the
  -- session's rule, before the learner starts; the server checks it is one
  -- that rule gives of its bank, and keeps it out of sight until the session opens.
  PERFORM thilaixe_must_teach();
  SELECT * INTO v_s FROM exam_session s WHERE s.id = p_session AND s.closed IS NULL;
  IF v_s IS NULL OR NOT EXISTS (SELECT 1 FROM profile p WHERE p.id = p_profile AND p.course = v_s.course) THEN
    RAISE EXCEPTION 'no such open session for that learner' USING ERRCODE = 'TL005';
  END IF;
  SELECT * INTO v_rule FROM rule_class r WHERE r.rules = v_s.rules AND r.class = v_s.class;
  IF cardinality(p_questions) IS DISTINCT FROM v_rule.questions
     OR (SELECT count(DISTINCT q) FROM unnest(p_questions) q) <> v_rule.questions
     OR EXISTS (SELECT 1 FROM unnest(p_questions) q LEFT JOIN bank_question b ON b.bank = v_s.bank_sha AND b.number = q
                WHERE b.number IS NULL OR (v_rule.pool IS NOT NULL AND NOT v_rule.pool = ANY (b.pools)))
     OR (SELECT count(*) FROM bank_question b WHERE b.bank = v_s.bank_sha AND b.critical AND b.number = ANY (p_questions))
        <> v_rule.critical
     OR NOT (p_critical <@ p_questions) THEN
    RAISE EXCEPTION 'not a paper of that rule' USING ERRCODE = 'TL003';
  END IF;
  INSERT INTO session_paper(session, profile, seed, questions, critical, pass)
  VALUES (p_session, p_profile, p_seed, p_questions, p_critical, v_rule.pass)
  ON CONFLICT (session, profile) DO UPDATE SET seed = excluded.seed, questions = excluded.questions,
    critical = excluded.critical, pass = excluded.pass
  WHERE session_paper.started IS NULL;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_close_session(p_session bigint) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM thilaixe_must_teach();
  UPDATE exam_session SET closed = now() WHERE id = p_session AND closed IS NULL;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_start_paper(p_session bigint)
RETURNS TABLE(seed bigint, questions integer[], critical integer[], answers integer[], elapsed integer,
  minutes integer, handed_in boolean)
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_me bigint := thilaixe_me();
  v_s record;
  v_p record;
BEGIN
  IF v_me IS NULL THEN
    RAISE EXCEPTION 'not signed in' USING ERRCODE = 'TL004';
  END IF;
  SELECT * INTO v_s FROM exam_session s
  WHERE s.id = p_session AND s.course = (SELECT p.course FROM profile p WHERE p.id = v_me);
  IF v_s IS NULL OR v_s.opens > now() THEN
    RAISE EXCEPTION 'the session is not open' USING ERRCODE = 'TL009';
  END IF;
  SELECT * INTO v_p FROM session_paper sp WHERE sp.session = p_session AND sp.profile = v_me FOR UPDATE;
  IF v_p IS NULL THEN
    RAISE EXCEPTION 'no paper for you in that session' USING ERRCODE = 'TL005';
  END IF;
  IF v_p.status <> 'handed_in' THEN
    -- Begun only while the session is open and not past its time.
    IF v_s.closed IS NOT NULL OR now() > v_s.opens + v_s.minutes * 3 * interval '1 minute' THEN
      IF v_p.started IS NULL THEN
        RAISE EXCEPTION 'the session is not open' USING ERRCODE = 'TL009';
      END IF;
    ELSIF v_p.started IS NULL THEN
      UPDATE session_paper sp SET started = now(), updated = now() WHERE sp.session = p_session AND sp.profile = v_me;
      v_p.started := now();
    END IF;
  END IF;
  RETURN QUERY SELECT v_p.seed, v_p.questions, v_p.critical, v_p.answers,
    extract(epoch FROM now() - v_p.started)::integer, v_s.minutes, v_p.status = 'handed_in';
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_paper_deadline(p_session bigint, p_profile bigint) RETURNS timestamptz
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = public, pg_temp AS $$
  -- The server's clock decides: the session's minutes from the learner's
  -- start, or its closing, whichever comes first; then a minute's grace for
  -- the network.
  SELECT least(sp.started + s.minutes * interval '1 minute', coalesce(s.closed, 'infinity'))
         + coalesce((SELECT m.value::integer FROM meta m WHERE m.key = 'grace_seconds'), 60) * interval '1 second'
  FROM session_paper sp JOIN exam_session s ON s.id = sp.session
  WHERE sp.session = p_session AND sp.profile = p_profile
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_report(p_session bigint, p_slot integer, p_seconds_left integer,
  p_answers integer[]) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_me bigint := thilaixe_me();
BEGIN
  -- Where a paper stands, for the teacher's live view; true while it may
  -- still be handed in.
  IF v_me IS NULL THEN
    RAISE EXCEPTION 'not signed in' USING ERRCODE = 'TL004';
  END IF;
  -- Taken until the paper's time is over or the session closes (no grace:
  -- that is the hand-in's, for the network).
  UPDATE session_paper sp SET slot = p_slot, seconds_left = p_seconds_left, answers = p_answers, updated = now()
  FROM exam_session s
  WHERE s.id = sp.session AND sp.session = p_session AND sp.profile = v_me AND sp.status = 'sitting'
    AND sp.started IS NOT NULL AND cardinality(p_answers) = cardinality(sp.questions)
    AND now() <= least(sp.started + s.minutes * interval '1 minute', coalesce(s.closed, 'infinity'));
  RETURN FOUND;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_hand_in_paper(p_uid text, p_session bigint, p_profile bigint,
  p_answers integer[], p_pred_pass double precision, p_pred_critical double precision) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_id bigint;
  v_p record;
  v_s record;
BEGIN
  -- A course-end test's paper: the paper is the server's, so are the key,
  -- the critical rule, the pass mark and the clock; the lab computer sends
  -- the answers only.
  PERFORM thilaixe_writer(p_profile);
  SELECT a.id INTO v_id FROM attempt a WHERE a.uid = p_uid AND a.profile = p_profile;
  IF v_id IS NOT NULL THEN
    RETURN v_id;  -- sent again after a lost reply
  END IF;
  SELECT * INTO v_p FROM session_paper sp WHERE sp.session = p_session AND sp.profile = p_profile FOR UPDATE;
  SELECT * INTO v_s FROM exam_session s WHERE s.id = p_session;
  IF v_p IS NULL OR v_p.started IS NULL THEN
    RAISE EXCEPTION 'no paper begun in that session' USING ERRCODE = 'TL005';
  END IF;
  IF v_p.status = 'handed_in' THEN
    RAISE EXCEPTION 'handed in already' USING ERRCODE = 'TL001';
  END IF;
  IF now() > thilaixe_paper_deadline(p_session, p_profile) THEN
    RAISE EXCEPTION 'the time is over' USING ERRCODE = 'TL002';
  END IF;
  INSERT INTO change_applied(uid, profile) VALUES (p_uid, p_profile) ON CONFLICT DO NOTHING;
  v_id := thilaixe_keep_attempt(p_uid, p_profile, v_s.bank_sha, v_s.rules, v_s.class, 'paper',
                                to_char(v_p.started AT TIME ZONE 'UTC', 'YYYY-MM-DD"T"HH24:MI:SS.MS"Z"'),
                                to_char(now() AT TIME ZONE 'UTC', 'YYYY-MM-DD"T"HH24:MI:SS.MS"Z"'), v_p.pass,
                                v_p.questions, p_answers, v_p.critical, p_pred_pass, p_pred_critical, p_session);
  UPDATE session_paper sp SET status = 'handed_in', attempt_uid = p_uid, attempt = v_id, answers = p_answers,
    updated = now()
  WHERE sp.session = p_session AND sp.profile = p_profile;
  RETURN v_id;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_publish_bank(p_sha text, p_id text, p_version text, p_title text, p_json text,
  p_numbers integer[], p_answers integer[], p_options integer[], p_critical boolean[], p_chapters integer[],
  p_pools text[]) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
  v_new boolean := false;
BEGIN
  PERFORM thilaixe_must_teach();
  IF encode(sha256(convert_to(p_json, 'UTF8')), 'hex') IS DISTINCT FROM p_sha THEN
    RAISE EXCEPTION 'the bank''s digest does not match' USING ERRCODE = 'TL008';
  END IF;
  IF NOT EXISTS (SELECT 1 FROM bank b WHERE b.sha256 = p_sha) THEN
    INSERT INTO bank(sha256, id, version, title, json) VALUES (p_sha, p_id, p_version, p_title, p_json);
    INSERT INTO bank_question(bank, number, answer, options, critical, chapter, pools)
    SELECT p_sha, t.n, t.a, t.o, t.c, t.ch, CASE WHEN t.p = '' THEN '{}'::text[] ELSE string_to_array(t.p, ',') END
    FROM unnest(p_numbers, p_answers, p_options, p_critical, p_chapters, p_pools) AS t(n, a, o, c, ch, p);
    v_new := true;
  END IF;
  UPDATE bank SET current = (sha256 = p_sha) WHERE id = p_id;
  UPDATE bank SET published = now(), published_by = session_user WHERE sha256 = p_sha;
  RETURN v_new;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_publish_picture(p_bank_sha text, p_path text, p_data bytea) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM thilaixe_must_teach();
  INSERT INTO bank_picture(bank, path, sha256, data) VALUES (p_bank_sha, p_path, encode(sha256(p_data), 'hex'), p_data)
  ON CONFLICT (bank, path) DO UPDATE SET sha256 = excluded.sha256, data = excluded.data;
END
$$
-- ;;
CREATE OR REPLACE FUNCTION thilaixe_publish_rules(p_id text, p_json text, p_valid_from date, p_valid_until date,
  p_built_in boolean, p_classes text[], p_questions integer[], p_minutes integer[], p_pass integer[],
  p_critical integer[], p_pools text[], p_by_groups boolean[]) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM thilaixe_must_teach();
  INSERT INTO rule_set(id, json, valid_from, valid_until, built_in) VALUES (p_id, p_json, p_valid_from, p_valid_until,
    p_built_in)
  ON CONFLICT (id) DO UPDATE SET json = excluded.json, valid_from = excluded.valid_from,
    valid_until = excluded.valid_until, built_in = excluded.built_in, published = now();
  DELETE FROM rule_class r WHERE r.rules = p_id;
  INSERT INTO rule_class(rules, class, questions, minutes, pass, critical, pool, by_groups)
  SELECT p_id, t.c, t.q, t.m, t.p, t.cr, nullif(t.pl, ''), t.g
  FROM unnest(p_classes, p_questions, p_minutes, p_pass, p_critical, p_pools, p_by_groups) AS t(c, q, m, p, cr, pl, g);
END
$$
